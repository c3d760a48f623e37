#include "payouts/payout_files.h"

#include "data/file_error.h"
#include "data/file_journal.h"
#include "data/record_file.h"

namespace numbrava {

namespace {
using Mode = RecordFile::Mode;

constexpr int kConfirmedOffset = 9;
constexpr int kCountOffset = 11;
constexpr int kAmountsOffset = 13;
} // namespace

QString defaultPayoutFilePath(const QString& folder, GameCode game) {
    return folder + QLatin1Char('/') + gameInfo(game).defaultPayoutFile;
}

QString actualPayoutFilePath(const QString& folder, GameCode game) {
    return folder + QLatin1Char('/') + gameInfo(game).actualPayoutFile;
}

namespace DefaultPayoutFile {

DefaultAmounts readAmounts(const QString& path) {
    RecordFile file(path, kDefaultPayoutRecordSize, Mode::Read);
    const QByteArray bytes = file.read(1);
    DefaultAmounts amounts{};
    for (size_t i = 0; i < amounts.size(); ++i)
        amounts[i] = readInt32(bytes, static_cast<int>(4 * i));
    return amounts;
}

bool hasDefaults(const DefaultAmounts& amounts) {
    return amounts[0] > 0;
}

std::optional<PayoutTable> readTable(const QString& path) {
    const DefaultAmounts amounts = readAmounts(path);
    if (!hasDefaults(amounts))
        return std::nullopt;
    PayoutTable table;
    for (size_t i = 0; i < amounts.size(); ++i)
        table.setAmount(static_cast<int>(i) + 2, amounts[i]);
    return table;
}

void writeAmounts(const QString& path, const DefaultAmounts& amounts) {
    QByteArray bytes(kDefaultPayoutRecordSize, '\0');
    for (size_t i = 0; i < amounts.size(); ++i)
        writeInt32(bytes, static_cast<int>(4 * i), amounts[i]);
    nameFileStep(QStringLiteral("Store default payouts"));
    RecordFile file(path, kDefaultPayoutRecordSize, Mode::ReadWrite);
    file.write(1, bytes);
}

} // namespace DefaultPayoutFile

ActualPayoutRecord ActualPayoutRecord::fromBytes(const QByteArray& bytes) {
    ActualPayoutRecord r;
    r.dateKey = bytes.left(kDateKeySize);
    r.confirmed = readInt16(bytes, kConfirmedOffset);
    r.count = readInt16(bytes, kCountOffset);
    for (size_t i = 0; i < r.amounts.size(); ++i)
        r.amounts[i] = readInt32(bytes, kAmountsOffset + static_cast<int>(4 * i));
    return r;
}

QByteArray ActualPayoutRecord::toBytes() const {
    QByteArray bytes(kActualPayoutRecordSize, '\0');
    bytes.replace(0, kDateKeySize, dateKey.leftJustified(kDateKeySize, ' ', true));
    writeInt16(bytes, kConfirmedOffset, confirmed);
    writeInt16(bytes, kCountOffset, count);
    for (size_t i = 0; i < amounts.size(); ++i)
        writeInt32(bytes, kAmountsOffset + static_cast<int>(4 * i), amounts[i]);
    return bytes;
}

QByteArray storedDateKey(const QString& key) {
    return key.toLatin1().leftJustified(kDateKeySize, ' ', true);
}

namespace ActualPayoutFile {

namespace {
// The count field of record 1 is a 16-bit value; a negative one or one
// claiming more records than the file holds means the file is damaged.
int checkedCount(RecordFile& file) {
    const int stored = readInt16(file.read(1), kCountOffset);
    if (stored < 0 || stored > file.recordsOnDisk())
        throw DamagedFileError(
            QStringLiteral("The payout file %1 is damaged (it claims to hold %2 payout tables but "
                           "holds %3). It has been left as it is and is treated as holding none.")
                .arg(file.fileName())
                .arg(stored)
                .arg(file.recordsOnDisk()));
    return stored;
}

int lastRecordWithKey(RecordFile& file, int count, const QByteArray& key) {
    int found = 0;
    for (int i = 1; i <= count; ++i)
        if (file.read(i).left(kDateKeySize) == key)
            found = i; // the scan goes on: a later record with the same key wins
    return found;
}
} // namespace

int countTables(const QString& path) {
    RecordFile file(path, kActualPayoutRecordSize, Mode::Read);
    return checkedCount(file);
}

int findRecord(const QString& path, const QString& key) {
    RecordFile file(path, kActualPayoutRecordSize, Mode::Read);
    file.readWhole();
    return lastRecordWithKey(file, checkedCount(file), storedDateKey(key));
}

std::optional<PayoutTable> findTable(const QString& path, const QString& key) {
    RecordFile file(path, kActualPayoutRecordSize, Mode::Read);
    file.readWhole();
    const int k = lastRecordWithKey(file, checkedCount(file), storedDateKey(key));
    if (k == 0)
        return std::nullopt;
    const ActualPayoutRecord r = ActualPayoutRecord::fromBytes(file.read(k));
    PayoutTable table;
    table.dateKey = QString::fromLatin1(r.dateKey);
    table.confirmed = r.confirmed;
    for (size_t i = 0; i < r.amounts.size(); ++i)
        table.amounts[i] = r.amounts[i];
    return table;
}

StoreResult storeTable(const QString& path, const PayoutTable& table) {
    RecordFile file(path, kActualPayoutRecordSize, Mode::ReadWrite);
    const int count = checkedCount(file);
    const QByteArray key = storedDateKey(table.dateKey);
    StoreResult result;
    result.record = lastRecordWithKey(file, count, key);
    result.replaced = result.record != 0;
    if (!result.replaced) {
        if (count >= kMaxRecords)
            throw FileError(
                QStringLiteral(
                    "The payout file %1 already holds %2 draw dates and cannot hold more.")
                    .arg(file.fileName())
                    .arg(kMaxRecords));
        result.record = count + 1;
    }
    nameFileStep(QStringLiteral("Store payouts of ") + table.dateKey);
    // The target's own count field is kept: in record 1 it is the file's count.
    ActualPayoutRecord r = ActualPayoutRecord::fromBytes(file.read(result.record));
    r.dateKey = key;
    r.confirmed = table.confirmed;
    for (size_t i = 0; i < r.amounts.size(); ++i)
        r.amounts[i] = table.amounts[i].value_or(0);
    file.write(result.record, r.toBytes());
    if (!result.replaced) {
        // Raised only after the table is on disk, so a failed write never
        // leaves a count that points past the last table.
        ActualPayoutRecord first = ActualPayoutRecord::fromBytes(file.read(1));
        first.count = static_cast<std::int16_t>(count + 1);
        file.write(1, first.toBytes());
    }
    return result;
}

} // namespace ActualPayoutFile

} // namespace numbrava
