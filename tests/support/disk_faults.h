#pragma once

#include <QDir>
#include <QString>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace numbrava::testing {

// A full disk even for root: files stop at `bytes`; SIGXFSZ ignored as the program does: EFBIG.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

// A read-only bind mount of the folder (root ignores permission bits); ok() says if it worked.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const QString& folder) : path_(folder.toLocal8Bit()) {
        const char* p = path_.constData();
        mounted_ = mount(p, p, nullptr, MS_BIND, nullptr) == 0;
        ok_ =
            mounted_ && mount(nullptr, p, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }
    ~ReadOnlyFolder() {
        if (mounted_)
            umount2(path_.constData(), MNT_DETACH);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool ok() const { return ok_; }

  private:
    QByteArray path_;
    bool mounted_ = false;
    bool ok_ = false;
};

// What is no regular file, made at path: a "pipe", a link to /dev/"zero" or a "folder".
inline bool plantNonRegular(const std::string& kind, const QString& path) {
    return kind == "pipe"   ? mkfifo(QFile::encodeName(path).constData(), 0600) == 0
           : kind == "zero" ? QFile::link(QStringLiteral("/dev/zero"), path)
                            : QDir().mkdir(path);
}

} // namespace numbrava::testing
