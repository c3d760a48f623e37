#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

namespace numbrava {

// The fields of a text entry file, read the way sequential text input reads
// them: a field ends at a comma or at the end of a line (CRLF, LF or CR),
// leading blanks are skipped, and a field that begins with a double quote is
// the text up to the closing quote. Blank lines hold no field. A byte-order
// mark picks the encoding; without one the bytes are single-byte text.
QStringList readTextFields(const QByteArray& bytes);

// The fields of a file; throws FileError when the file cannot be read.
QStringList readTextFieldsOfFile(const QString& path);

// What the viewer lists: the first fields of a file, at most one more than an
// entry file can hold, from no more of the file than they need.
QStringList viewTextFile(const QString& path);

// Checks every field for range (the ranges in force on the entry date) and
// repeated main numbers, in order. Gives the lines (main numbers ascending)
// or the message that refuses the fields.
std::variant<std::vector<EntryLine>, QString>
checkTextEntries(GameCode game, const QDate& entryDate, const QStringList& fields);

struct ImportValidation {
    bool valid = false;
    QString message;    // what to tell the user, whether valid or not
    QString targetFile; // the dated entry file to create, when valid
};

// Validate: the text file's lines, then the entry date, which must have no
// lines yet. Creates and writes nothing.
ImportValidation validateTextImport(const QString& folder, GameCode game, const QString& textFile,
                                    const QDate& entryDate);

struct ImportResult {
    bool imported = false;
    QString message;
    QString targetFile;
    int lines = 0;
};

// Import: checks the text file and the date again (either may have changed
// since Validate), then writes the dated entry file whole: one record per
// line with the entry date, the count in record 1. The file goes to a
// temporary file renamed into place.
ImportResult importTextEntry(const QString& folder, GameCode game, const QString& textFile,
                             const QDate& entryDate);

// The bytes of an entry file holding these lines, each dated.
QByteArray entryFileBytes(const std::vector<EntryLine>& lines, const QDate& entryDate);

} // namespace numbrava
