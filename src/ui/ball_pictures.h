#pragma once

#include <QPixmap>

namespace numbrava {

// The three lists of 35 x 35 ball pictures: list 1 holds 53 balls (Powerball
// main balls and the Mega Ball), list 2 the 42 Powerballs, list 3 the 52
// Mega Millions main balls. Pictures are drawn at the screen's pixel ratio
// and kept once drawn.
class BallPictures {
  public:
    static constexpr int kSize = 35;
    static int listSize(int list);
    // A null pixmap for a number the list does not hold.
    static QPixmap picture(int list, int number, qreal devicePixelRatio);
};

} // namespace numbrava
