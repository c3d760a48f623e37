#include "data/safe_file.h"

#include "data/file_error.h"

#include <QFileInfo>
#include <QSaveFile>

namespace numbrava {

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const bool ok =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok)
        throw FileError(QStringLiteral("The file %1 cannot be written: %2")
                            .arg(QFileInfo(path).fileName(), file.errorString()));
}

} // namespace numbrava
