#pragma once

#include "data/game.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace numbrava {

// One draw as a row of a results CSV file.
struct CsvDraw {
    int day = 0;
    int month = 0;
    int year = 0;
    std::array<std::int16_t, 5> balls{};
    std::int16_t bonus = 0;
};

struct CsvDraws {
    std::vector<CsvDraw> draws;
    QString error; // empty when every row was accepted
};

// Reads "date,b1,b2,b3,b4,b5,bonus" rows (date as YYYY-MM-DD) under that
// header. A row is refused when a ball is out of the range of the game's
// format on its date (today's games: also a date before the first draw or
// not on a draw day of that format), the main
// balls are not strictly ascending, or its date is not after the row before;
// the error names the row as a spreadsheet or editor numbers it (the header
// is row 1). Empty lines are skipped.
CsvDraws readDrawCsv(const QByteArray& text, const GameInfo& game);

} // namespace numbrava
