#include "data/safe_file.h"

#include "data/file_error.h"
#include "data/file_journal.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace numbrava {

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    noteFileChange(path);
    QSaveFile file(path);
    // Unbuffered, so a full disk shows in write() itself: a failure that only
    // surfaced while closing would still let the half-written copy be renamed.
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    // A write the disk cuts short reports how much it took but no reason;
    // writing the rest then fails with the system's reason (disk full, file
    // too large), which the message passes on.
    for (qint64 written = 0; ok && written < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        ok = n > 0;
        written += n;
    }
    if (!ok || !file.commit())
        throw FileError(QStringLiteral("The file %1 cannot be written: %2")
                            .arg(QFileInfo(path).fileName(), file.errorString()));
}

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    auto refuse = [&](const QString& reason) {
        return FileError(QStringLiteral("The file %1 cannot be read: %2")
                             .arg(QFileInfo(path).fileName(), reason));
    };
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw refuse(QStringLiteral("it is not a regular file"));
    if (!file.open(QIODevice::ReadOnly))
        throw refuse(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw refuse(file.errorString());
    return bytes;
}

} // namespace numbrava
