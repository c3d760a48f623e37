#pragma once

#include "data/draw_record.h"
#include "ui/random_source.h"

#include <vector>

namespace numbrava {

// The wheel screen offers this many number boxes, and proposes as many numbers.
constexpr int kWheelBoxCount = 24;

// The main numbers 1..mainMax drawn most often, most frequent first and the
// smaller number first on a tie; at most kWheelBoxCount of them. Numbers
// never drawn are not ranked, and numbers outside the game are not counted.
std::vector<int> mostDrawnNumbers(const std::vector<DrawRecord>& draws, int mainMax);

// Fills the proposal up to kWheelBoxCount with random numbers 1..mainMax that
// it does not hold yet.
void fillWithRandomNumbers(std::vector<int>& numbers, int mainMax, RandomSource& random);

} // namespace numbrava
