#pragma once

#include "support/file_bytes.h"

#include <QDate>
#include <QtEndian>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace numbrava::testing {

// One 26-byte history or entry record field by field: expected bytes without the program's codec.
struct RawRecord {
    std::int32_t count = 0;
    std::int16_t word4 = 0; // a draw's position; unused in entry files
    std::int16_t day = 0, month = 0, year = 0;
    std::array<std::int16_t, 5> numbers{};
    std::int16_t bonus = 0;
    std::int16_t word24 = 0; // a draw's spare word; an entry's mark

    QByteArray bytes() const {
        QByteArray out = le32(count);
        for (std::int16_t w : {word4, day, month, year, numbers[0], numbers[1], numbers[2],
                               numbers[3], numbers[4], bonus, word24})
            out += le16(w);
        return out;
    }
};

constexpr int kRawRecordSize = 26;

inline QByteArray drawBytes(int count, int position, QDate date, std::array<std::int16_t, 5> balls,
                            int bonus, int spare = 0) {
    using W = std::int16_t;
    return RawRecord{count,          W(position), W(date.day()), W(date.month()),
                     W(date.year()), balls,       W(bonus),      W(spare)}
        .bytes();
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
    return qFromLittleEndian<std::int32_t>(file.leftJustified(4, '\0').constData());
}

inline QByteArray withCount(QByteArray file, std::int32_t count) {
    if (file.size() < 4)
        file.resize(4, '\0');
    return file.replace(0, 4, le32(count));
}

// The history file of a results CSV of data/ (rows "yyyy-mm-dd,b1,...,b5,bonus" under a header).
inline QByteArray csvHistory(const QString& name) {
    QFile csv(QStringLiteral(NUMBRAVA_SOURCE_DIR "/data/") + name);
    EXPECT_TRUE(csv.open(QIODevice::ReadOnly)) << name.toStdString();
    const QList<QByteArray> rows = csv.readAll().trimmed().replace('-', ',').split('\n').mid(1);
    QByteArray bytes;
    for (const QByteArray& row : rows) {
        const auto n = [f = row.split(',')](int i) { return std::int16_t(f.value(i).toInt()); };
        bytes += drawBytes(static_cast<int>(rows.size()),
                           static_cast<int>(bytes.size()) / kRawRecordSize + 1,
                           QDate(n(0), n(1), n(2)), {n(3), n(4), n(5), n(6), n(7)}, n(8));
    }
    return bytes;
}

} // namespace numbrava::testing
