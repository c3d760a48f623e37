#pragma once

#include <QString>

class QWidget;

namespace numbrava {

// Readies a window for the keyboard and for screen readers, once it is built:
// - Tab follows the reading order of its layouts: row by row, left to right,
//   a frame's controls together;
// - the arrow keys move through every option of an option group, also when the
//   options stand in several frames;
// - Enter presses the focused button;
// - a control with no caption of its own is named after its label or frame.
// Runs once per window; later calls do nothing.
void prepareForKeyboard(QWidget* window);

// Names a row of number boxes without captions "Ball 1", "Ball 2", ….
template <typename Boxes> void nameBallBoxes(const Boxes& boxes, int count) {
    for (int i = 0; i < count; ++i)
        boxes[static_cast<size_t>(i)]->setAccessibleName(QStringLiteral("Ball %1").arg(i + 1));
}

// What a screen reader says for the draw's ball picture of a slot (0..5):
// "Ball 1: 08" … "Ball 5: 41", then the bonus ball as "Powerball: 11".
QString ballPictureName(int slot, int number, const QString& bonusName);

} // namespace numbrava
