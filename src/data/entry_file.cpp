#include "data/entry_file.h"

#include "data/dates.h"
#include "data/file_error.h"
#include "data/file_journal.h"
#include "data/number_text.h"
#include "data/record_file.h"

#include <QFile>
#include <QFileInfo>

namespace numbrava {

QString datedEntryFileName(const QString& folder, GameCode game, const QDate& date) {
    return folder + QLatin1Char('/') + gameInfo(game).entryPrefix +
           entryFileDatePart(date.day(), date.month(), date.year()) + QStringLiteral(".lot");
}

EntryKind entryKindOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (name.contains(QStringLiteral("Stand"), Qt::CaseSensitive))
        return EntryKind::Standing;
    if (name.contains(QLatin1Char('-')))
        return EntryKind::Wheel;
    return EntryKind::Dated;
}

QDate rangesDateOf(const QString& entryFile, const QDate& entriesDate) {
    return entryKindOf(entryFile) == EntryKind::Dated ? entriesDate : QDate();
}

QString entryDisplayLine(GameCode game, const EntryLine& line) {
    QString text;
    text.reserve(21);
    for (auto n : line.numbers) {
        appendZeroPadded(text, n, 2);
        text += QLatin1Char(' ');
    }
    text += lineTag(game);
    appendZeroPadded(text, line.bonus, 2);
    return text;
}

namespace EntryFile {

namespace {
using Mode = RecordFile::Mode;
EntryRecord readRecord(RecordFile& file, int n) {
    return EntryRecord::fromBytes(file.read(n));
}
} // namespace

int countLines(const QString& path) {
    RecordFile file(path, kRecordSize, Mode::Read);
    return file.count();
}

std::vector<EntryRecord> readRecords(const QString& path) {
    RecordFile file(path, kRecordSize, Mode::Read);
    file.readWhole();
    const int n = file.count();
    std::vector<EntryRecord> records;
    records.reserve(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i)
        records.push_back(readRecord(file, i));
    return records;
}

std::vector<EntryLine> readLines(const QString& path) {
    const std::vector<EntryRecord> records = readRecords(path);
    std::vector<EntryLine> lines;
    lines.reserve(records.size());
    for (const auto& r : records)
        lines.push_back(r.line);
    return lines;
}

namespace {
// Refuses before anything is written when `adding` more lines would not fit.
void requireRoomFor(RecordFile& file, int held, size_t adding) {
    if (held + adding > static_cast<size_t>(kMaxRecords))
        throw FileError(QStringLiteral("The file %1 already holds %2 lines and cannot hold more.")
                            .arg(file.fileName())
                            .arg(held));
}
} // namespace

void appendLine(const QString& path, const EntryLine& line) {
    RecordFile file(path, kRecordSize, Mode::ReadWrite);
    const int n = file.count();
    requireRoomFor(file, n, 1);
    nameFileStep(QStringLiteral("Add %1 to ") + file.fileName(), 1);
    // The new record starts from record 1's bytes, so its stale count is n.
    EntryRecord r = readRecord(file, 1);
    r.line = line;
    file.write(n + 1, r.toBytes());
    file.setCount(n + 1);
}

void appendDatedLines(const QString& path, const std::vector<EntryLine>& lines, const QDate& date) {
    RecordFile file(path, kRecordSize, Mode::ReadWrite);
    const int n = file.count();
    requireRoomFor(file, n, lines.size());
    nameFileStep(QStringLiteral("Add %1 to ") + file.fileName(), static_cast<int>(lines.size()));
    EntryRecord r;
    r.day = static_cast<std::int16_t>(date.day());
    r.month = static_cast<std::int16_t>(date.month());
    r.year = static_cast<std::int16_t>(date.year());
    int k = n;
    for (const EntryLine& line : lines) {
        r.line = line;
        file.write(++k, r.toBytes());
    }
    file.setCount(k);
}

void replaceLine(const QString& path, int k, const EntryLine& line) {
    RecordFile file(path, kRecordSize, Mode::ReadWrite);
    const int n = file.count();
    if (k < 1 || k > n)
        throw FileError(QStringLiteral("The file %1 has no line %2.").arg(file.fileName()).arg(k));
    EntryRecord r = readRecord(file, k);
    r.line = line;
    nameFileStep(QStringLiteral("Edit %1 of ") + file.fileName(), 1);
    file.write(k, r.toBytes());
}

bool deleteLine(const QString& path, int k) {
    RecordFile file(path, kRecordSize, Mode::Rewrite);
    const int n = file.count();
    if (k < 1 || k > n)
        return false;
    // Runs two steps past the old last line, so the record after the
    // remaining lines becomes all zeros (the file viewer stops there).
    for (int m = k; m <= n + 1; ++m)
        file.write(m, file.read(m + 1));
    file.setCount(n - 1);
    nameFileStep(QStringLiteral("Remove %1 from ") + file.fileName(), 1);
    file.commit();
    return true;
}

bool deleteEmptyEntryFile(const QString& path) {
    if (path.isEmpty() || !QFile::exists(path))
        return false;
    try {
        if (countLines(path) != 0)
            return false;
    } catch (const FileError&) {
        return false; // never throw away a file we cannot read
    }
    const FileHousekeeping upkeep(path);
    return QFile::remove(path);
}

} // namespace EntryFile
} // namespace numbrava
