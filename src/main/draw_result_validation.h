#pragma once

#include "data/game.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

namespace numbrava {

// A draw result as typed into the six boxes of the Add Result screen.
struct TypedDrawCheck {
    // Empty when the numbers are accepted; otherwise the one message to show.
    QString message;
    // Only meaningful when accepted: main numbers ascending, then the bonus.
    std::array<std::int16_t, 5> balls{};
    std::int16_t bonus = 0;

    bool accepted() const { return message.isEmpty(); }
};

// Reads five main-number texts and a bonus text the way typed numbers are
// read (leading number, halves to even) and checks them in a fixed order:
// main ranges, bonus range, duplicate main numbers. The first failure wins.
// The ranges are those in force on the draw date. A number that does not fit
// 16 bits is out of range.
TypedDrawCheck checkTypedDraw(GameCode game, const QDate& drawDate,
                              const std::array<QString, 5>& mainTexts, const QString& bonusText);

} // namespace numbrava
