#pragma once

#include <QByteArray>
#include <QDate>
#include <array>
#include <cstdint>
#include <vector>

namespace numbrava {

// The 26-byte record shared by draw history and entry files:
// count (4), a 16-bit word at 4, day, month, year, five numbers, bonus, and a
// last 16-bit word at 24. Draws call the word at 4 "position" and the last
// "spare"; entry files leave the word at 4 unused and call the last "mark".
constexpr int kRecordSize = 26;

struct DrawRecord {
    std::int32_t count = 0;
    std::int16_t position = 0;
    std::int16_t day = 0;
    std::int16_t month = 0;
    std::int16_t year = 0;
    std::array<std::int16_t, 5> balls{};
    std::int16_t bonus = 0;
    std::int16_t spare = 0;

    static DrawRecord fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;
    long long dateNumber() const;
};

// The draws of a history (in date order) dated on or after a day; all of them
// for a null day.
std::vector<DrawRecord> drawsFrom(const std::vector<DrawRecord>& draws, const QDate& first);

// Five main numbers and a bonus: one line a player plays.
struct EntryLine {
    std::array<std::int16_t, 5> numbers{};
    std::int16_t bonus = 0;
    bool operator==(const EntryLine&) const = default;
};

struct EntryRecord {
    std::int32_t count = 0;
    std::int16_t unused = 0;
    std::int16_t day = 0;
    std::int16_t month = 0;
    std::int16_t year = 0;
    EntryLine line;
    std::int16_t mark = 0;

    static EntryRecord fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;
};

} // namespace numbrava
