#include "data/draw_history_file.h"

#include "data/dates.h"
#include "data/file_error.h"
#include "data/file_journal.h"
#include "data/record_file.h"

namespace numbrava {

QString historyFilePath(const QString& folder, GameCode game) {
    return folder + QLatin1Char('/') + gameInfo(game).historyFile;
}

namespace DrawHistoryFile {

namespace {
using Mode = RecordFile::Mode;

DrawRecord readRecord(RecordFile& file, int n) {
    return DrawRecord::fromBytes(file.read(n));
}

void requireRoomForOneMore(RecordFile& file, int n) {
    if (n >= kMaxRecords)
        throw FileError(QStringLiteral("The file %1 already holds %2 draws and cannot hold more.")
                            .arg(file.fileName())
                            .arg(kMaxRecords));
}

// "Add draw of 05 JUL 2003": what Undo names.
void nameDrawStep(const char* verb, int day, int month, int year) {
    nameFileStep(QStringLiteral("%1 draw of %2 %3 %4")
                     .arg(QLatin1String(verb))
                     .arg(day, 2, 10, QLatin1Char('0'))
                     .arg(monthAbbrev(month))
                     .arg(year));
}
} // namespace

int countDraws(const QString& path) {
    RecordFile file(path, kRecordSize, Mode::Read);
    return file.count();
}

int findDraw(const QString& path, int day, int month, int year) {
    RecordFile file(path, kRecordSize, Mode::Read);
    file.readWhole();
    const int n = file.count();
    for (int i = 1; i <= n; ++i) {
        const DrawRecord r = readRecord(file, i);
        if (r.day == day && r.month == month && r.year == year)
            return i;
    }
    return 0;
}

DrawRecord readDraw(const QString& path, int record) {
    RecordFile file(path, kRecordSize, Mode::Read);
    return readRecord(file, record);
}

std::vector<DrawRecord> readAllDraws(const QString& path) {
    RecordFile file(path, kRecordSize, Mode::Read);
    file.readWhole();
    const int n = file.count();
    std::vector<DrawRecord> draws;
    draws.reserve(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i)
        draws.push_back(readRecord(file, i));
    return draws;
}

namespace {
// Puts a draw in as record insertAt (n + 1: after the last) of a file of n
// draws opened for rewriting; the records from insertAt on move up one.
void placeDraw(RecordFile& file, int n, int insertAt, const DrawRecord& draw) {
    requireRoomForOneMore(file, n);
    auto fill = [&](DrawRecord r, int position) {
        r.position = static_cast<std::int16_t>(position);
        r.day = draw.day;
        r.month = draw.month;
        r.year = draw.year;
        r.balls = draw.balls;
        r.bonus = draw.bonus;
        return r;
    };

    if (n == 0) {
        DrawRecord r = fill(readRecord(file, 1), 1);
        r.count = 1;
        file.write(1, r.toBytes());
        return;
    }

    if (insertAt > n) {
        // Append: record 1 first gets the new count, then the new draw is
        // written from record 1's bytes, so it carries the count too.
        file.setCount(n + 1);
        file.write(n + 1, fill(readRecord(file, 1), n + 1).toBytes());
        return;
    }

    DrawRecord lastRead;
    for (int j = n; j >= insertAt; --j) {
        lastRead = readRecord(file, j);
        DrawRecord moved = lastRead;
        moved.position = static_cast<std::int16_t>(moved.position + 1);
        file.write(j + 1, moved.toBytes());
    }
    file.write(insertAt, fill(lastRead, insertAt).toBytes());
    file.setCount(n + 1);
}

DrawRecord drawOf(const std::array<std::int16_t, 5>& balls, std::int16_t bonus, int day, int month,
                  int year) {
    DrawRecord draw;
    draw.day = static_cast<std::int16_t>(day);
    draw.month = static_cast<std::int16_t>(month);
    draw.year = static_cast<std::int16_t>(year);
    draw.balls = balls;
    draw.bonus = bonus;
    return draw;
}
} // namespace

void insertDraw(const QString& path, const std::array<std::int16_t, 5>& balls, std::int16_t bonus,
                int day, int month, int year) {
    RecordFile file(path, kRecordSize, Mode::Rewrite);
    const int n = file.count();
    nameDrawStep("Add", day, month, year);
    const long long newDate = sortableDateNumber(year, month, day);
    int insertAt = n + 1;
    for (int i = 1; i <= n; ++i) {
        if (readRecord(file, i).dateNumber() > newDate) {
            insertAt = i;
            break;
        }
    }
    placeDraw(file, n, insertAt, drawOf(balls, bonus, day, month, year));
    file.commit();
}

void insertDraws(const QString& path, const std::vector<DrawRecord>& draws) {
    RecordFile file(path, kRecordSize, Mode::Rewrite);
    int n = file.count();
    if (n + static_cast<qsizetype>(draws.size()) > kMaxRecords)
        throw FileError(QStringLiteral("The file %1 holds %2 draws and cannot hold %3 more.")
                            .arg(file.fileName())
                            .arg(n)
                            .arg(draws.size()));
    for (const DrawRecord& draw : draws) {
        // Looking from the end finds the same place in a file in date order,
        // and at once for the usual new draw that comes after all others.
        int insertAt = n + 1;
        while (insertAt > 1 && readRecord(file, insertAt - 1).dateNumber() > draw.dateNumber())
            --insertAt;
        placeDraw(file, n, insertAt, draw);
        ++n;
    }
    file.commit();
}

bool deleteDraw(const QString& path, int k) {
    RecordFile file(path, kRecordSize, Mode::Rewrite);
    const int n = file.count();
    if (k < 1 || k > n)
        return false;
    const DrawRecord gone = readRecord(file, k);
    nameDrawStep("Delete", gone.day, gone.month, gone.year);
    for (int j = k + 1; j <= n; ++j) {
        DrawRecord r = readRecord(file, j);
        r.position = static_cast<std::int16_t>(r.position - 1);
        file.write(j - 1, r.toBytes());
    }
    file.setCount(n - 1);
    file.commit();
    return true;
}

} // namespace DrawHistoryFile
} // namespace numbrava
