#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QString>

namespace numbrava {

// Label of a category's total: "Match 5 + PB", "Match 5", ... "Match MB".
QString historyTotalLabel(GameCode game, int category);
// Text closing a winning line: "Match 5+PB", "Match 5", ... "Match MB".
QString historyCategoryText(GameCode game, int category);
// A winning line as listed: "03 12 25 33 41 07 Match 3+PB" (no tag before the bonus).
QString printHistoryLine(GameCode game, const EntryLine& line, int category);
// The heading over a draw's lines: "05 JUL  2003".
QString historyDrawHeading(const DrawRecord& draw);

// "Check 25 entries against  40 results.": the entry count text is taken as
// the main screen shows it.
QString historyStatusLine(const QString& entryCountText, int drawCount);

// Shown when a run had more lines than the pages hold.
QString historyFullMessage();

} // namespace numbrava
