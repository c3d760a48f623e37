#include "data/safe_file.h"

#include "data/file_error.h"

#include <QFileInfo>
#include <QSaveFile>

namespace numbrava {

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so a full disk shows in write() itself: a failure that only
    // surfaced while closing would still let the half-written copy be renamed.
    const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                    file.write(bytes) == bytes.size() && file.commit();
    if (!ok)
        throw FileError(QStringLiteral("The file %1 cannot be written: %2")
                            .arg(QFileInfo(path).fileName(), file.errorString()));
}

} // namespace numbrava
