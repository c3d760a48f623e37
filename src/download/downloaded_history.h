#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QDate>
#include <QString>

namespace numbrava {

// What the check of a downloaded history found.
struct DownloadedHistory {
    bool corrupt = true;
    int count = 0;
    DrawRecord latest;
};

// A downloaded file is corrupt unless its count is 1..32767 and fits in the
// file, and its counted draws have real dates, each no earlier than the draw
// before it and none more than a day after today (a server a time zone ahead
// may be a day on), and balls within the game's ranges; a draw of today's
// games must also be one of the game's draws as it stood on that date (its
// ranges and draw days, no earlier than its first draw).
DownloadedHistory inspectDownloadedHistory(const QString& path, GameCode game, const QDate& today);

// The question asked before a sound download replaces the local history.
QString replaceQuestion(GameCode game, int localCount, const DownloadedHistory& downloaded);

} // namespace numbrava
