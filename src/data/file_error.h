#pragma once

#include <QString>
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

} // namespace numbrava
