#pragma once

#include <QByteArray>
#include <QString>

namespace numbrava {

// Replaces a whole file: the bytes go to a temporary file in the same folder
// that is renamed over the old one, so a failure never loses the old file.
// Throws FileError with a message naming the file on failure.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// The bytes of a whole regular file. Throws FileError with a message naming
// the file and the system's reason when it cannot be read.
QByteArray readWholeFile(const QString& path);

} // namespace numbrava
