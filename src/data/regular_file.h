#pragma once

#include <QFile>
#include <QString>

namespace numbrava {

// Numbrava opens nothing but regular files. Opening a named pipe waits for a
// writer for ever, a device such as /dev/zero gives bytes without end and a
// folder holds no bytes at all; so every reader and writer opens its file
// here, and anything else is a file its reader cannot read.

// The reason given for anything that is not a regular file.
QString notRegularReason();

// Whether a regular file is at path, links followed.
bool isRegularFile(const QString& path);

// Whether nothing is at path (a dangling link counts as nothing) or a regular file is.
bool isRegularOrMissing(const QString& path);

// Opens file (named when it was made) in mode when it is a regular file. The
// open itself cannot wait, so a pipe put in its place after a check is refused
// as well. WriteOnly modes create a missing file. Returns the reason the file
// was not opened: empty when it was.
QString openRegularFile(QFile& file, QIODevice::OpenMode mode);

// The whole of a regular file; throws FileError "The file X cannot be read: reason".
QByteArray readRegularFile(const QString& path);

} // namespace numbrava
