#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace numbrava::testing {

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeFileBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Little-endian bytes of a 16- or 32-bit value, as the files store them.
inline QByteArray le16(int v) {
    QByteArray b(2, '\0');
    b[0] = static_cast<char>(v & 0xff);
    b[1] = static_cast<char>((v >> 8) & 0xff);
    return b;
}
inline QByteArray le32(qint64 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<char>((v >> (8 * i)) & 0xff);
    return b;
}

// One actual payout record built by hand: key, flag, count, nine amounts.
inline QByteArray actualRecordBytes(const char* key, int flag, int count,
                                    std::initializer_list<qint64> amounts) {
    QByteArray b = QByteArray(key).leftJustified(9, ' ', true) + le16(flag) + le16(count);
    for (qint64 a : amounts)
        b += le32(a);
    return b;
}

} // namespace numbrava::testing
