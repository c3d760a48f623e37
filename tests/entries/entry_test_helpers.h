#pragma once

#include "data/draw_history_file.h"
#include "data/draw_record.h"
#include "data/entry_file.h"
#include "support/file_bytes.h"

#include <algorithm>
#include <random>
#include <vector>

namespace numbrava::testing {

inline std::int16_t i16(int v) {
    return static_cast<std::int16_t>(v);
}

// Draw d (from 1) holds d, d+10, d+20, d+30, d+33, bonus d: a suggestion shows its source record.
inline std::vector<DrawRecord> tracingHistory(int draws) {
    std::vector<DrawRecord> history(static_cast<size_t>(draws));
    for (int d = 1; d <= draws; ++d) {
        history[d - 1].balls = {i16(d), i16(d + 10), i16(d + 20), i16(d + 30), i16(d + 33)};
        history[d - 1].bonus = i16(d);
    }
    return history;
}

// Each game's top numbers (accepted) and a line past a range (refused) on an entries date.
inline const std::tuple<GameCode, QDate, const char*, const char*> kTopLines[] = {
    {Powerball, QDate(2003, 7, 9), "53 01 02 03 04 42", "01 02 03 04 05 43"},
    {MegaMillions, QDate(2003, 7, 4), "52 01 02 03 04 52", "53 01 02 03 04 52"},
    {Powerball69, QDate(2021, 8, 23), "69 01 02 03 04 26", "70 01 02 03 04 26"},
    {MegaMillions70, QDate(2025, 4, 4), "70 01 02 03 04 25", "71 01 02 03 04 25"},
    {MegaMillions70, QDate(2025, 4, 8), "70 01 02 03 04 24", "70 01 02 03 04 25"}};

// Line i: i, i+10, i+20, i+30, i+40 and bonus i (i up to 12 fits every game).
inline EntryLine lineNo(int i) {
    return EntryLine{{i16(i), i16(i + 10), i16(i + 20), i16(i + 30), i16(i + 40)}, i16(i)};
}

inline std::vector<double> uniformSequence(size_t count) {
    std::mt19937_64 engine(11);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::vector<double> values(count);
    std::generate(values.begin(), values.end(), [&] { return uniform(engine); });
    return values;
}

// The u that picks record r of an n-draw history.
inline double pick(int r, int n) {
    return (r - 0.1) / n;
}

inline void writeHistory(const QString& path, const std::vector<DrawRecord>& draws) {
    QDate date(2003, 1, 1);
    for (const DrawRecord& r : draws) {
        DrawHistoryFile::insertDraw(path, r.balls, r.bonus, date.day(), date.month(), date.year());
        date = date.addDays(1);
    }
}

inline void writeEntryFile(const QString& path, const std::vector<EntryLine>& lines) {
    QByteArray bytes;
    for (size_t i = 0; i < lines.size(); ++i)
        bytes += EntryRecord{.count = i == 0 ? static_cast<std::int32_t>(lines.size()) : 0,
                             .line = lines[i]}
                     .toBytes();
    writeFileBytes(path, bytes);
}

} // namespace numbrava::testing
