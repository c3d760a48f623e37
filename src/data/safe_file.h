#pragma once

#include <QByteArray>
#include <QString>

namespace numbrava {

// Replaces a whole file: the bytes go to a temporary file in the same folder
// that is renamed over the old one, so a failure never loses the old file.
// Throws FileError with a message naming the file on failure.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Every file Numbrava writes sits in the data folder, and a link there must
// not lead a write anywhere else (a folder shared by several users would let
// one overwrite another's files). A user's file that is a link is written
// only when the link leads to a file inside the folder that holds it;
// otherwise this throws FileError "The file … is a link to a file outside the
// data folder" and nothing may be written. Reading through links is fine.
void refuseLinkOutsideFolder(const QString& path);

// The program's own working files (temp.lot, temp.rtl, a download) are made
// afresh and never written through a link: whatever is in their place, a
// link included, is removed. Throws FileError when it cannot be.
void removeWorkingFile(const QString& path);

// Writes every byte at the offset; 0 when done, else the errno of the failing
// call (a write that takes nothing is a full disk).
int writeAt(int fd, qint64 offset, const QByteArray& bytes);

// The file's bytes on the disk itself; 0 when done, else the errno. Fuzz
// builds skip the sync: it only slows them down.
int syncToDisk(int fd);

} // namespace numbrava
