#pragma once

#include "data/draw_record.h"
#include "data/game.h"
#include "payouts/payout_lookup.h"
#include "payouts/prize_matching.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

namespace numbrava {

// Label a winning line carries: "(5+PB)", "(5)", "(4+MB)", ... "(PB)".
QString winningLabel(GameCode game, int category);
// "03 12 25 33 41 PB 07 (3+PB)".
QString winningLineText(GameCode game, const EntryLine& line, int category);

struct WinningLine {
    int row = 0; // row of the line in the entry list, from 0
    int category = 0;
    QString text;
};

struct CheckResult {
    std::vector<WinningLine> winners; // in file order
    // Sum of the amounts won. Up to 32767 lines of 32-bit amounts: a 64-bit
    // integer holds every possible sum exactly.
    std::int64_t total = 0;
    int jackpotLines = 0;

    int winCount() const { return static_cast<int>(winners.size()); }
    bool jackpotWon() const { return jackpotLines > 0; }
};

CheckResult checkLines(GameCode game, const std::vector<EntryLine>& lines, const CheckDraw& draw,
                       const PayoutTable& amounts);

// The whole check of an entry file (throws FileError when it cannot be read,
// DamagedFileError when a line holds a main number outside the game).
CheckResult checkEntryFile(const QString& entryFile, GameCode game, const CheckDraw& draw,
                           const PayoutTable& amounts);

// The one message that ends a check.
QString checkReport(const CheckResult& result, const PayoutLookUp& payouts);

} // namespace numbrava
