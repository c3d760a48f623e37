#pragma once

#include "data/draw_history_file.h"
#include "data/draw_record.h"
#include "data/entry_file.h"

#include <QFile>
#include <random>
#include <vector>

namespace numbrava::testing {

// Draw d (1-based) of this history holds d, d+10, d+20, d+30, d+33 and bonus d,
// so a suggested number tells which record each position came from.
inline std::vector<DrawRecord> tracingHistory(int draws) {
    std::vector<DrawRecord> history;
    for (int d = 1; d <= draws; ++d) {
        DrawRecord r;
        const auto n = static_cast<std::int16_t>(d);
        r.balls = {n, static_cast<std::int16_t>(n + 10), static_cast<std::int16_t>(n + 20),
                   static_cast<std::int16_t>(n + 30), static_cast<std::int16_t>(n + 33)};
        r.bonus = n;
        history.push_back(r);
    }
    return history;
}

// Draws spread over the whole range, from a fixed seed.
inline std::vector<DrawRecord> randomHistory(int draws, int mainMax, int bonusMax,
                                             unsigned seed = 7) {
    std::mt19937 engine(seed);
    std::vector<DrawRecord> history;
    for (int d = 0; d < draws; ++d) {
        std::vector<std::int16_t> pool(static_cast<size_t>(mainMax));
        for (int i = 0; i < mainMax; ++i)
            pool[static_cast<size_t>(i)] = static_cast<std::int16_t>(i + 1);
        std::shuffle(pool.begin(), pool.end(), engine);
        std::sort(pool.begin(), pool.begin() + 5);
        DrawRecord r;
        std::copy(pool.begin(), pool.begin() + 5, r.balls.begin());
        r.bonus = static_cast<std::int16_t>(1 + engine() % static_cast<unsigned>(bonusMax));
        history.push_back(r);
    }
    return history;
}

// Line i: i, i+10, i+20, i+30, i+40 and bonus i (i up to 12 fits every game).
inline EntryLine lineNo(int i) {
    const auto n = static_cast<std::int16_t>(i);
    return EntryLine{{n, static_cast<std::int16_t>(n + 10), static_cast<std::int16_t>(n + 20),
                      static_cast<std::int16_t>(n + 30), static_cast<std::int16_t>(n + 40)},
                     n};
}

// A fixed stream of uniform numbers on [0, 1).
inline std::vector<double> uniformSequence(size_t count, unsigned seed = 11) {
    std::mt19937_64 engine(seed);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::vector<double> values(count);
    for (double& v : values)
        v = uniform(engine);
    return values;
}

inline int sharedMainNumbers(const EntryLine& a, const EntryLine& b) {
    int m = 0;
    for (auto n : a.numbers)
        m += std::count(b.numbers.begin(), b.numbers.end(), n) > 0 ? 1 : 0;
    return m;
}

// The u that picks record r of an n-draw history.
inline double pick(int r, int n) {
    return (r - 0.1) / n;
}

inline void writeHistory(const QString& path, const std::vector<DrawRecord>& draws) {
    int day = 0;
    for (const DrawRecord& r : draws) {
        const QDate date = QDate(2003, 1, 1).addDays(day++);
        DrawHistoryFile::insertDraw(path, r.balls, r.bonus, date.day(), date.month(), date.year());
    }
}

inline void appendLines(const QString& path, const std::vector<EntryLine>& lines) {
    for (const EntryLine& line : lines)
        EntryFile::appendLine(path, line);
}

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace numbrava::testing

namespace numbrava::testing {

// Writes a whole entry file at once (record 1 carries the count).
inline void writeEntryFile(const QString& path, const std::vector<EntryLine>& lines) {
    QByteArray bytes;
    for (size_t i = 0; i < lines.size(); ++i) {
        EntryRecord r;
        r.count = i == 0 ? static_cast<std::int32_t>(lines.size()) : 0;
        r.line = lines[i];
        bytes += r.toBytes();
    }
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

} // namespace numbrava::testing
