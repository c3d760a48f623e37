#include "entries/entry_file_copy.h"

#include "data/entry_file.h"
#include "data/file_error.h"

#include <QFile>
#include <QFileInfo>

namespace numbrava {

QByteArray readEntryFileBytes(const QString& path) {
    EntryFile::countLines(path); // refuses a damaged file
    QFile file(path);
    QByteArray bytes;
    const bool ok =
        file.open(QIODevice::ReadOnly) && (bytes = file.readAll()).size() == file.size();
    if (!ok)
        throw FileError(QStringLiteral("The file %1 cannot be read: %2")
                            .arg(QFileInfo(path).fileName(), file.errorString()));
    return bytes;
}

} // namespace numbrava
