#pragma once

class QWidget;

namespace numbrava {

// Moves a top-level window onto the free area of its screen, as far as it
// fits there (its top-left corner always does), so that no part of a window
// that grew or came back from another screen is out of reach.
void keepOnScreen(QWidget* window);
// The widest a window may be and still fit its screen, its frame included.
int widthOnScreen(const QWidget* window);

// Windows come back where the user left them: the size and place of each
// window, by its objectName, are kept for the user between runs.
bool restoreWindowPlace(QWidget* window);
void saveWindowPlace(const QWidget* window);

} // namespace numbrava
