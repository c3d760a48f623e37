#include "data/regular_file.h"

#include "data/file_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace numbrava {

namespace {
bool statOf(const QString& path, struct stat& info) {
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}
} // namespace

QString notRegularReason() {
    return QStringLiteral("it is not a regular file");
}

bool isRegularFile(const QString& path) {
    struct stat info {};
    return statOf(path, info) && S_ISREG(info.st_mode);
}

bool isRegularOrMissing(const QString& path) {
    struct stat info {};
    // Whatever keeps stat() from seeing a file there keeps an open from it too.
    return !statOf(path, info) || S_ISREG(info.st_mode);
}

QString openRegularFile(QFile& file, QIODevice::OpenMode mode) {
    // Anything else is not even opened: opening some devices has effects of its own.
    if (!isRegularOrMissing(file.fileName()))
        return notRegularReason();
    int flags = O_CLOEXEC | O_NONBLOCK;
    if (mode & QIODevice::WriteOnly)
        flags |= O_CREAT | ((mode & QIODevice::ReadOnly) ? O_RDWR : O_WRONLY);
    else
        flags |= O_RDONLY;
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), flags, 0666);
    if (fd < 0)
        return systemReason(errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return notRegularReason();
    }
    // Reads and writes of a regular file never wait anyway; the flag only kept
    // the open from waiting.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return {};
}

QByteArray readRegularFile(const QString& path) {
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
