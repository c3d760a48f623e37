#pragma once

#include "support/file_bytes.h"

#include <initializer_list>

namespace numbrava::testing {

// One actual payout record built by hand: key, flag, count, nine amounts.
inline QByteArray actualRecordBytes(const char* key, int flag, int count,
                                    std::initializer_list<qint64> amounts) {
    QByteArray b = QByteArray(key).leftJustified(9, ' ', true) + le16(flag) + le16(count);
    for (qint64 a : amounts)
        b += le32(a);
    return b;
}

// The 32 bytes of a default payout file holding these eight amounts.
inline QByteArray defaultAmountsBytes(std::initializer_list<qint64> amounts) {
    QByteArray b;
    for (qint64 a : amounts)
        b += le32(a);
    return b;
}

} // namespace numbrava::testing
