#pragma once

#include <QString>

class QFont;

namespace numbrava {

// The width a window needs for its whole caption in the title bar: the
// caption in bold, as most window managers draw it, and room for the icon and
// the title-bar buttons on both sides, since many managers centre the caption.
int titleBarWidth(const QString& title, const QFont& font);

} // namespace numbrava
