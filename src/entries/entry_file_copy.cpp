#include "entries/entry_file_copy.h"

#include "data/entry_file.h"
#include "data/file_error.h"
#include "data/regular_file.h"

#include <QFile>

namespace numbrava {

QByteArray readEntryFileBytes(const QString& path) {
    EntryFile::countLines(path); // refuses a damaged file
    QFile file(path);
    QString failure = openRegularFile(file, QIODevice::ReadOnly);
    QByteArray bytes;
    if (failure.isEmpty() && (bytes = file.readAll()).size() != file.size())
        failure = file.errorString();
    if (!failure.isEmpty())
        throw fileFailure(path, "read", failure);
    return bytes;
}

} // namespace numbrava
