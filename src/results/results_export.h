#pragma once

#include "data/draw_record.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace numbrava {

// Draws as a results file: the header "date,b1,b2,b3,b4,b5,bonus", then one
// line per draw ascending by date, plain decimals, LF line ends, UTF-8
// without a byte-order mark. The plain shape the importer reads.
QByteArray resultsCsvText(std::vector<DrawRecord> draws);

// Writes a history's draws to a results file, replacing it whole. Throws
// FileError naming the file that cannot be read or written, and refuses to
// write over any game's history in that history's folder.
void exportResults(const QString& historyPath, const QString& csvPath);

} // namespace numbrava
