#pragma once

// Readable GoogleTest output for Qt values: strings as text, bytes as hex (records compare easier).

#include <QByteArray>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << bytes.size() << " bytes [" << bytes.toHex(' ').toStdString() << ']';
}
