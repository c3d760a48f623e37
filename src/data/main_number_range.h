#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace numbrava {

// Whether all five main numbers lie within 1..the game's largest number.
bool mainNumbersInRange(GameCode game, const std::array<std::int16_t, 5>& numbers);

// Operations that match numbers (the check, the suggestion run) cannot trust a
// record whose main numbers lie outside the game: the file is damaged. These
// throw DamagedFileError naming the file and the first such record.
void requireMainNumbersInRange(GameCode game, const std::array<std::int16_t, 5>& numbers,
                               const QString& path, int record);
void requireLinesInRange(GameCode game, const std::vector<EntryLine>& lines, const QString& path);
void requireDrawsInRange(GameCode game, const std::vector<DrawRecord>& draws, const QString& path);

} // namespace numbrava
