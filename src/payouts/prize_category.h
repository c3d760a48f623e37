#pragma once

#include "data/game.h"

#include <QString>

namespace numbrava {

// Prize categories 1 (jackpot) to 9; the same numbers are used by both payout
// files, both payout screens and the check's amounts.
constexpr int kPrizeCategories = 9;

// The category won by a line with mainMatched main numbers and the bonus
// matched or not; 0 when the line wins nothing.
int prizeCategory(int mainMatched, bool bonusMatched);

// Label of a category on the payout screens: "(5+PB)", "(5+0)" ... "(0+MB)".
// Empty for a number outside 1..9.
QString payoutCategoryLabel(GameCode game, int category);

} // namespace numbrava
