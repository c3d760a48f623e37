#include "data/record_file.h"

#include "data/file_error.h"
#include "data/file_journal.h"
#include "data/regular_file.h"
#include "data/safe_file.h"

#include <QFileInfo>
#include <unistd.h>

namespace numbrava {

RecordFile::RecordFile(const QString& path, int recordSize, Mode mode)
    : path_(path), recordSize_(recordSize), file_(path) {
    if (!isRegularOrMissing(path_))
        throw fileFailure(path_, "read", notRegularReason());
    if (mode == Mode::Read) {
        // Creating the missing file is what the rest of the program expects;
        // when the folder refuses it, it simply reads as empty. A link in its
        // place is never followed to make a file somewhere else.
        QFile create(path_);
        if (create.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            create.close();
        const QString failure = openRegularFile(file_, QIODevice::ReadOnly);
        open_ = failure.isEmpty();
        if (!open_ && QFile::exists(path_))
            throw fileFailure(path_, "read", failure);
        return;
    }
    refuseLinkOutsideFolder(path_);
    if (mode == Mode::Rewrite) {
        buffered_ = true;
        if (QFile::exists(path_)) {
            if (!QFileInfo(path_).isWritable())
                throw fileFailure(path_, "written", QStringLiteral("it is read-only"));
            const QString failure = openRegularFile(file_, QIODevice::ReadOnly);
            if (!failure.isEmpty())
                throw fileFailure(path_, "read", failure);
            buffer_ = file_.readAll();
            file_.close();
        }
        return;
    }
    noteFileChange(path_);
    const QString failure = openRegularFile(file_, QIODevice::ReadWrite | QIODevice::Unbuffered);
    open_ = failure.isEmpty();
    if (!open_)
        throw fileFailure(path_, "written", failure);
    sizeAtOpen_ = file_.size();
}

RecordFile::~RecordFile() {
    if (open_)
        file_.close();
}

QString RecordFile::fileName() const {
    return QFileInfo(path_).fileName();
}

qint64 RecordFile::recordsOnDisk() const {
    if (buffered_)
        return buffer_.size() / recordSize_;
    return open_ ? file_.size() / recordSize_ : 0;
}

QByteArray RecordFile::read(int record) {
    QByteArray bytes(recordSize_, '\0');
    if (record < 1)
        return bytes;
    if (buffered_) {
        const qint64 offset = static_cast<qint64>(record - 1) * recordSize_;
        if (offset < buffer_.size()) {
            const QByteArray got = buffer_.mid(offset, recordSize_);
            bytes.replace(0, got.size(), got);
        }
        return bytes;
    }
    if (!open_)
        return bytes;
    const qint64 offset = static_cast<qint64>(record - 1) * recordSize_;
    if (offset >= file_.size())
        return bytes;
    // Seeking drops what the device has read ahead: records read in order
    // (every loop over a file) come from that buffer instead.
    if (file_.pos() != offset && !file_.seek(offset))
        throw FileError(
            QStringLiteral("The file %1 cannot be read: %2").arg(fileName(), file_.errorString()));
    // Only the last record of a file may come up short; anything else is a
    // failed read, not a record of zeros.
    const qint64 expected = qMin<qint64>(recordSize_, file_.size() - offset);
    const QByteArray got = file_.read(recordSize_);
    if (got.size() != expected)
        throw FileError(
            QStringLiteral("The file %1 cannot be read: %2").arg(fileName(), file_.errorString()));
    bytes.replace(0, got.size(), got);
    return bytes;
}

void RecordFile::write(int record, const QByteArray& bytes) {
    Q_ASSERT(bytes.size() == recordSize_);
    const qint64 offset = static_cast<qint64>(record - 1) * recordSize_;
    if (buffered_ && record >= 1) {
        if (buffer_.size() < offset + recordSize_)
            buffer_.resize(offset + recordSize_, '\0');
        buffer_.replace(offset, recordSize_, bytes);
        return;
    }
    if (!open_ || record < 1 || !(file_.openMode() & QIODevice::WriteOnly))
        throw FileError(QStringLiteral("The file %1 cannot be written").arg(fileName()));
    const int error = writeAt(file_.handle(), offset, bytes);
    if (error != 0) {
        // A full disk can take part of a record: cut the file back to the size
        // it had, so no half record is left behind the last one. Should that
        // fail too, the first reason is still the one to report.
        [[maybe_unused]] const int cut = ::ftruncate(file_.handle(), sizeAtOpen_);
        throw fileFailure(path_, "written", systemReason(error));
    }
}

int RecordFile::count() {
    const qint32 stored = readInt32(read(1), 0);
    if (stored < 0 || stored > kMaxRecords || stored > recordsOnDisk())
        throw DamagedFileError(
            QStringLiteral("The file %1 is damaged (it claims to hold %2 records but holds %3). "
                           "It has been left as it is.")
                .arg(fileName())
                .arg(stored)
                .arg(recordsOnDisk()));
    return stored;
}

void RecordFile::setCount(int count) {
    QByteArray first = read(1);
    writeInt32(first, 0, count);
    write(1, first);
}

void RecordFile::commit() {
    if (buffered_)
        writeFileAtomically(path_, buffer_);
}

void RecordFile::readWhole() {
    if (buffered_ || !open_)
        return;
    const qint64 size = file_.size();
    // A record past the count may follow the last one (a delete leaves it).
    if (size > static_cast<qint64>(kMaxRecords + 2) * recordSize_)
        return;
    QByteArray whole;
    if (file_.seek(0))
        whole = file_.read(size);
    if (whole.size() != size)
        throw FileError(
            QStringLiteral("The file %1 cannot be read: %2").arg(fileName(), file_.errorString()));
    buffer_ = whole;
    buffered_ = true;
    file_.close();
    open_ = false;
}

std::int16_t readInt16(const QByteArray& bytes, int offset) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + offset;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}

std::int32_t readInt32(const QByteArray& bytes, int offset) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + offset;
    const std::uint32_t u =
        static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
        (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return static_cast<std::int32_t>(u);
}

void writeInt16(QByteArray& bytes, int offset, std::int16_t value) {
    const auto u = static_cast<std::uint16_t>(value);
    bytes[offset] = static_cast<char>(u & 0xff);
    bytes[offset + 1] = static_cast<char>((u >> 8) & 0xff);
}

void writeInt32(QByteArray& bytes, int offset, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((u >> (8 * i)) & 0xff);
}

} // namespace numbrava
