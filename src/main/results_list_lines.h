#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace numbrava {

// One stored draw as a fixed-column line of the results list, for example
// "00012 07 05 2003: 05 12 25 33 41 PB 07": draw number (5), month (3),
// day (3), year (5), ":", five balls (3 each), game tag (3), bonus (3).
QString resultsListLine(GameCode game, const DrawRecord& draw);

// Every draw's line, in the order given.
QStringList resultsListLines(GameCode game, const std::vector<DrawRecord>& draws);

// The date of a results list line as the date picker takes it ("09/DEC/2003"),
// read from its month, day and year columns; empty when the line holds no date.
QString resultsLineDateText(const QString& line);

} // namespace numbrava
