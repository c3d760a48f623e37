#include "wheels/wheel_line.h"

namespace numbrava {

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

QByteArrayView trimmedBlanks(QByteArrayView text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from] == ' ')
        ++from;
    while (to > from && text[to - 1] == ' ')
        --to;
    return text.sliced(from, to - from);
}

int fieldValue(QByteArrayView item, qsizetype start) {
    const char first = start < item.size() ? item[start] : '\0';
    const char second = start + 1 < item.size() ? item[start + 1] : '\0';
    if (isDigit(first))
        return isDigit(second) ? (first - '0') * 10 + (second - '0') : first - '0';
    if (first == ' ' && isDigit(second))
        return second - '0';
    return 0;
}
} // namespace

QByteArray wheelLineItem(QByteArrayView textLine) {
    const QByteArrayView line = trimmedBlanks(textLine);
    if (line.startsWith('"')) {
        const QByteArrayView quoted = line.sliced(1);
        const qsizetype close = quoted.indexOf('"');
        return trimmedBlanks(close < 0 ? quoted : quoted.first(close)).toByteArray();
    }
    const qsizetype comma = line.indexOf(',');
    return trimmedBlanks(comma < 0 ? line : line.first(comma)).toByteArray();
}

std::array<int, 5> wheelLinePositions(QByteArrayView item) {
    std::array<int, 5> positions{};
    for (int field = 0; field < 5; ++field)
        positions[field] = fieldValue(item, field * 3);
    return positions;
}

std::optional<EntryLine> decodeWheelLine(QByteArrayView textLine, std::span<const int> group) {
    const std::array<int, 5> positions = wheelLinePositions(wheelLineItem(textLine));
    EntryLine entry;
    for (int i = 0; i < 5; ++i) {
        const int p = positions[i];
        if (p < 1 || p > static_cast<int>(group.size()))
            return std::nullopt;
        entry.numbers[i] = static_cast<std::int16_t>(group[p - 1]);
    }
    return entry;
}

} // namespace numbrava
