#include "data/number_text.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace numbrava {

namespace {
// Reads the characters at i while they satisfy the test; returns how many.
template <typename Test> qsizetype take(const QString& s, qsizetype& i, QString& into, Test test) {
    const qsizetype from = i;
    while (i < s.size() && test(s[i]))
        into += s[i++];
    return i - from;
}

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
bool isSign(QChar c) {
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}
} // namespace

double leadingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    QString number;
    if (i < text.size() && isSign(text[i]))
        number += text[i++];
    qsizetype digits = take(text, i, number, isAsciiDigit);
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        number += text[i++];
        digits += take(text, i, number, isAsciiDigit);
    }
    if (digits == 0)
        return 0.0;
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < text.size() && isSign(text[j]))
            exponent += text[j++];
        if (take(text, j, exponent, isAsciiDigit) > 0)
            number += exponent;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    // A number too large for a double comes back as an infinity with ok unset;
    // keep it, so that callers see it is out of range rather than reading 0.
    if (!ok && !std::isinf(value))
        return 0.0;
    return value;
}

double roundHalfEven(double value) {
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(saved);
    return rounded;
}

namespace {
template <typename Int> std::optional<Int> wholeNumberIn(const QString& text) {
    const double value = roundHalfEven(leadingNumber(text));
    if (!std::isfinite(value) || value < std::numeric_limits<Int>::min() ||
        value > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(value);
}
} // namespace

std::optional<std::int16_t> wholeNumberFromText(const QString& text) {
    return wholeNumberIn<std::int16_t>(text);
}

std::optional<std::int32_t> wholeNumber32FromText(const QString& text) {
    return wholeNumberIn<std::int32_t>(text);
}

QString asWritten(long long value) {
    return QString::number(value);
}

QString withLeadingBlank(long long value) {
    return value >= 0 ? QStringLiteral(" ") + QString::number(value) : QString::number(value);
}

void appendZeroPadded(QString& out, int value, int width) {
    if (value < 0) {
        out += QString::number(value);
        return;
    }
    char digits[10];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int i = n; i < width; ++i)
        out += QLatin1Char('0');
    while (n > 0)
        out += QLatin1Char(digits[--n]);
}

} // namespace numbrava
