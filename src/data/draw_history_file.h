#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QString>
#include <vector>

namespace numbrava {

// Path of a game's draw history file (pbk.rtl / million.rtl) in a folder.
QString historyFilePath(const QString& folder, GameCode game);

// A game's draws in date order, the count in record 1. Every call opens the
// file for that one operation. Damaged files raise DamagedFileError; write
// failures raise FileError.
namespace DrawHistoryFile {

int countDraws(const QString& path);
// Record number of the first draw of that date, or 0.
int findDraw(const QString& path, int day, int month, int year);
DrawRecord readDraw(const QString& path, int record);
// Records 1..count.
std::vector<DrawRecord> readAllDraws(const QString& path);
// Stores a draw in date order; a draw of an equal date goes after the others.
// The caller has checked and sorted the balls.
void insertDraw(const QString& path, const std::array<std::int16_t, 5>& balls, std::int16_t bonus,
                int day, int month, int year);
// Stores many draws (their dates, balls and bonus) as insertDraw stores each,
// in one replacement of the file: a failure leaves the file as it was.
void insertDraws(const QString& path, const std::vector<DrawRecord>& draws);
// Removes record k; the old last record stays on disk beyond the count.
// Returns false (and writes nothing) when k is not a stored draw.
bool deleteDraw(const QString& path, int k);

} // namespace DrawHistoryFile

} // namespace numbrava
