#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QDate>
#include <QString>
#include <vector>

namespace numbrava {

enum class EntryKind { Dated, Standing, Wheel };

// Full path of the dated entry file of a game and date, e.g. PwrB05JUL2003.lot.
QString datedEntryFileName(const QString& folder, GameCode game, const QDate& date);

// Told from the file name alone: "Stand" means standing, "-" means wheel.
EntryKind entryKindOf(const QString& path);

// The date whose ranges the lines of an entry file keep to: a dated entry's
// own date (the entries date shown), none for a standing or wheel entry,
// which are played from today on and so take today's ranges.
QDate rangesDateOf(const QString& entryFile, const QDate& entriesDate);

// "03 12 25 33 41 PB 07": how a line is shown in every list.
QString entryDisplayLine(GameCode game, const EntryLine& line);

// The lines a player plays, in the order they were added, the count in
// record 1. Every call opens the file for that one operation.
namespace EntryFile {

int countLines(const QString& path);
std::vector<EntryRecord> readRecords(const QString& path);
std::vector<EntryLine> readLines(const QString& path);
// Stores a line after the last one.
void appendLine(const QString& path, const EntryLine& line);
// Stores lines after the last one, each record holding the entry date in its
// day, month and year fields and 0 in the fields no line uses. The count is
// raised once the lines are on disk; nothing is written when they would not fit.
void appendDatedLines(const QString& path, const std::vector<EntryLine>& lines, const QDate& date);
// Replaces the six numbers of line k (1-based), keeping the rest of the record.
void replaceLine(const QString& path, int k, const EntryLine& line);
// Removes line k (1-based); the record after the remaining lines ends up all
// zeros. Returns false (and writes nothing) when k is not a stored line.
bool deleteLine(const QString& path, int k);
// Deletes the file when it holds no lines. A missing or damaged file is left
// alone. Returns true when the file was deleted.
bool deleteEmptyEntryFile(const QString& path);

} // namespace EntryFile

} // namespace numbrava
