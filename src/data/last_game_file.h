#pragma once

#include "data/game.h"

#include <QString>

namespace numbrava {

// game.dat: one 16-bit record, -1 when Powerball was selected at the last
// exit, 0 for Mega Millions. A missing or empty file reads as Mega Millions.
GameCode readLastGame(const QString& folder);
void writeLastGame(const QString& folder, GameCode game);

} // namespace numbrava
