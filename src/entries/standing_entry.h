#pragma once

#include "data/game.h"

#include <QString>

namespace numbrava {

// The one standing entry of a game: StandPB.lot or StandMM.lot in the data folder.
QString standingEntryPath(const QString& folder, GameCode game);

// Copies an entry file byte for byte onto the standing path. The copy lands
// whole or not at all, so a failure keeps the standing entry there was.
// Throws FileError; a damaged or unreadable entry file is not copied.
void saveStandingEntry(const QString& entryFile, const QString& standingPath);

} // namespace numbrava
