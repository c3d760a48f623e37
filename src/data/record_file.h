#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace numbrava {

// One file of fixed-length records numbered from 1, opened for one operation.
// Record n starts at byte (n - 1) * recordSize; reading past the end gives an
// all-zero record. This is the only place that computes record offsets.
class RecordFile {
  public:
    // Read and ReadWrite work on the file itself; Rewrite reads the whole file
    // into memory and changes it there, and only commit() puts the result on
    // disk, through a temporary file renamed over the old one. Operations that
    // move many records use Rewrite, so a failure halfway (a full disk) never
    // leaves a file with a record doubled or lost.
    enum class Mode { Read, ReadWrite, Rewrite };

    // A missing file is created empty (as every reader of these files expects);
    // in Read mode a folder that refuses the new file still reads as empty.
    RecordFile(const QString& path, int recordSize, Mode mode);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    QByteArray read(int record);
    void write(int record, const QByteArray& bytes);

    // The count stored in the first four bytes of record 1, checked against
    // what the file can hold: 0..32767 and no more records than are on disk.
    int count();
    // Stores a new count in record 1, keeping the rest of its bytes.
    void setCount(int count);
    // In Rewrite mode, replaces the file with the changed bytes; throws
    // FileError and leaves the old file as it was when that fails.
    void commit();

    qint64 recordsOnDisk() const;
    const QString& path() const { return path_; }
    QString fileName() const;

    // For an operation that reads more than a few records (Read mode): the
    // whole file is read in one go and every later read() and count() is
    // answered from memory, with the same results and the same checks. A
    // file larger than any this program writes stays on disk and is read
    // record by record.
    void readWhole();

  private:
    QString path_;
    int recordSize_;
    QFile file_;
    bool open_ = false;
    bool buffered_ = false;
    qint64 sizeAtOpen_ = 0;
    QByteArray buffer_;
};

// The collection's largest size: readers count records in 16-bit integers.
constexpr int kMaxRecords = 32767;

// Little-endian field access inside a record's bytes.
std::int16_t readInt16(const QByteArray& bytes, int offset);
std::int32_t readInt32(const QByteArray& bytes, int offset);
void writeInt16(QByteArray& bytes, int offset, std::int16_t value);
void writeInt32(QByteArray& bytes, int offset, std::int32_t value);

} // namespace numbrava
