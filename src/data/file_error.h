#pragma once

#include <QFileInfo>
#include <QString>
#include <cstring>
#include <stdexcept>

namespace numbrava {

// A file could not be read or written, or its content makes no sense. The
// message is written for the user and names the file.
class FileError : public std::runtime_error {
  public:
    explicit FileError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

// The bytes of a record file contradict themselves (bad count, truncated).
class DamagedFileError : public FileError {
  public:
    using FileError::FileError;
};

// "The file X cannot be read: reason" and the like. Messages name a file by its
// name in the data folder, never by its whole path.
inline FileError fileFailure(const QString& path, const char* cannotBe, const QString& reason) {
    return FileError(QStringLiteral("The file %1 cannot be %2: %3")
                         .arg(QFileInfo(path).fileName(), QLatin1String(cannotBe), reason));
}

inline QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace numbrava
