#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace numbrava::testing {

// One 26-byte record of the draw history and entry files, spelled out field
// by field so that tests state the expected bytes without going through the
// program's own codec. Fill it with designated initialisers:
//   RawRecord{.count = 1, .word4 = 1, .day = 5, .month = 7, .year = 2003,
//             .numbers = {3, 12, 25, 33, 41}, .bonus = 7}
struct RawRecord {
    std::int32_t count = 0;
    std::int16_t word4 = 0; // a draw's position; unused in entry files
    std::int16_t day = 0;
    std::int16_t month = 0;
    std::int16_t year = 0;
    std::array<std::int16_t, 5> numbers{};
    std::int16_t bonus = 0;
    std::int16_t word24 = 0; // a draw's spare word; an entry's mark

    QByteArray bytes() const {
        QByteArray out;
        putLittleEndian(out, static_cast<std::uint32_t>(count), 4);
        for (std::int16_t w : {word4, day, month, year})
            putLittleEndian(out, static_cast<std::uint16_t>(w), 2);
        for (std::int16_t w : numbers)
            putLittleEndian(out, static_cast<std::uint16_t>(w), 2);
        putLittleEndian(out, static_cast<std::uint16_t>(bonus), 2);
        putLittleEndian(out, static_cast<std::uint16_t>(word24), 2);
        return out;
    }

  private:
    static void putLittleEndian(QByteArray& out, std::uint32_t value, int width) {
        for (int i = 0; i < width; ++i)
            out.append(static_cast<char>((value >> (8 * i)) & 0xff));
    }
};

constexpr int kRawRecordSize = 26;

// Records laid end to end, as a file holds them.
inline QByteArray recordsBytes(std::initializer_list<RawRecord> records) {
    QByteArray out;
    for (const RawRecord& r : records)
        out += r.bytes();
    return out;
}

inline QByteArray zeroRecords(int n) {
    return QByteArray(n * kRawRecordSize, '\0');
}

// Record n (1-based) of a file's bytes; shorter when the file ends inside it.
inline QByteArray recordOf(const QByteArray& file, int n) {
    return file.mid((n - 1) * kRawRecordSize, kRawRecordSize);
}

// The count field of record 1, reading missing bytes as zeros.
inline std::int32_t storedCount(const QByteArray& file) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4 && i < file.size(); ++i)
        u |= static_cast<std::uint32_t>(static_cast<unsigned char>(file[i])) << (8 * i);
    return static_cast<std::int32_t>(u);
}

// The same bytes with another value in the count field of record 1.
inline QByteArray withCount(QByteArray file, std::int32_t count) {
    while (file.size() < 4)
        file.append('\0');
    const auto u = static_cast<std::uint32_t>(count);
    for (int i = 0; i < 4; ++i)
        file[i] = static_cast<char>((u >> (8 * i)) & 0xff);
    return file;
}

} // namespace numbrava::testing
