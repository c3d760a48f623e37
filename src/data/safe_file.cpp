#include "data/safe_file.h"

#include "data/file_error.h"
#include "data/file_journal.h"
#include "data/regular_file.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace numbrava {

namespace {
namespace fs = std::filesystem;

fs::path nativePath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

// Where a chain of links ends, its folders resolved; empty for a loop.
fs::path linkEnd(fs::path path) {
    std::error_code error;
    for (int hops = 0; fs::is_symlink(fs::symlink_status(path, error)); ++hops) {
        const fs::path target = fs::read_symlink(path, error);
        if (hops == 40 || error)
            return {};
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return fs::weakly_canonical(path, error);
}

bool isInside(const fs::path& file, const fs::path& folder) {
    auto part = file.begin();
    for (const fs::path& folderPart : folder) {
        if (part == file.end() || *part != folderPart)
            return false;
        ++part;
    }
    return part != file.end();
}

// The file a write of path replaces: path itself, or the end of its link.
QString fileToReplace(const QString& path) {
    refuseLinkOutsideFolder(path);
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(nativePath(path), error)))
        return path;
    return QFile::decodeName(QByteArray::fromStdString(linkEnd(nativePath(path)).string()));
}

// A new file beside the one it replaces. O_EXCL never follows a link: a name
// that is taken, a link included, is passed over for another.
int createTemporaryFile(const QString& beside, QByteArray& name) {
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        name = QFile::encodeName(beside) + ".tmp" +
               QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    return fd;
}
} // namespace

void refuseLinkOutsideFolder(const QString& path) {
    const fs::path link = nativePath(path);
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(link, error)))
        return;
    const fs::path folder = fs::weakly_canonical(fs::absolute(link, error).parent_path(), error);
    const fs::path end = linkEnd(link);
    if (end.empty() || folder.empty() || !isInside(end, folder))
        throw FileError(QStringLiteral("The file %1 is a link to a file outside the data folder")
                            .arg(QFileInfo(path).fileName()));
}

void removeWorkingFile(const QString& path) {
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        throw fileFailure(path, "deleted", systemReason(errno));
}

int writeAt(int fd, qint64 offset, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done,
                                   static_cast<size_t>(bytes.size() - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += n;
    }
    return 0;
}

int syncToDisk(int fd) {
#ifdef NUMBRAVA_FUZZ_BUILD
    (void)fd;
    return 0;
#else
    return ::fdatasync(fd) == 0 ? 0 : errno;
#endif
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    noteFileChange(path);
    const QString target = fileToReplace(path);
    struct stat old {};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        throw fileFailure(path, "written", notRegularReason());
    if (exists && ::access(QFile::encodeName(target).constData(), W_OK) != 0)
        throw fileFailure(path, "written", QStringLiteral("it is read-only"));
    QByteArray temporary;
    const int fd = createTemporaryFile(target, temporary);
    if (fd < 0)
        throw fileFailure(path, "written", systemReason(errno));
    // The new file keeps the old one's permissions.
    int error = exists && ::fchmod(fd, old.st_mode & 07777) != 0 ? errno : 0;
    if (error == 0)
        error = writeAt(fd, 0, bytes);
    if (error == 0)
        error = syncToDisk(fd);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        throw fileFailure(path, "written", systemReason(error));
    }
}

} // namespace numbrava
