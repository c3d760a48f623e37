#include "data/number_text.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace numbrava {

double leadingNumber(const QString& text) {
    const QString s = text;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && (s[i] == QLatin1Char(' ') || s[i] == QLatin1Char('\t')))
        ++i;
    QString number;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        number += s[i++];
    qsizetype digits = 0;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
        number += s[i++];
        ++digits;
    }
    if (i < n && s[i] == QLatin1Char('.')) {
        number += s[i++];
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
            number += s[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            exponent += s[j++];
        qsizetype expDigits = 0;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128) {
            exponent += s[j++];
            ++expDigits;
        }
        if (expDigits > 0)
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

} // namespace numbrava
