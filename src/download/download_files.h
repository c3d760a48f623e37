#pragma once

#include "data/game.h"

#include <QString>

namespace numbrava {

// The address of a game's file on the results server.
QString resultsFileUrl(const QString& resultsServer, GameCode game);

// Draws in a local history: 0 for a missing file and for one that cannot be
// read or is damaged (a download is the cure for both). Creates nothing.
int localDrawCount(const QString& historyPath);

// A downloaded file never goes straight into the history: it lands in this
// file beside it and replaces the history only when it is kept.
QString downloadedFilePath(const QString& folder, GameCode game);
QString backupFilePath(const QString& folder);

// Before a game's download: clears what an earlier run may have left (the
// backup, a downloaded file) and copies the history to the backup "temp.rtl".
// Throws FileError when the backup cannot be made; the history is untouched.
void backUpHistory(const QString& folder, GameCode game);

// After a game's download: a kept file is renamed over the history, anything
// else is dropped; the backup goes either way. Throws FileError when the
// rename fails, leaving the history as it was.
void settleDownload(const QString& folder, GameCode game, bool keep);

} // namespace numbrava
