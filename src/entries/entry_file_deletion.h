#pragma once

#include "data/draw_record.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace numbrava {

// How the file viewer shows a line: "03 12 25 33 41 B 07"; a bonus of 0 has
// no "B " part.
QString viewerLine(const EntryLine& line);

// The lines of an entry file from record 1 on, up to the first whose first
// main number is 0 (a deleted line leaves such a record after the others);
// the count in record 1 is not consulted. At most one line more than an
// entry file can hold is read. Throws FileError when the file is gone or
// cannot be read.
QStringList viewEntryFile(const QString& path);

// Why the chosen file may not be deleted: none chosen, or it is the file
// the main screen shows. Nothing when it may go.
std::optional<QString> entryFileDeletionRefusal(const QString& folder, const QString& chosenName,
                                                const QString& currentEntryFile);

QString entryFileDeletionQuestion();

// Moves the file to the desktop's trash, or deletes it where there is none;
// throws FileError when it cannot be deleted.
void deleteEntryFile(const QString& path);

} // namespace numbrava
