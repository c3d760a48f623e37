#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace numbrava {

// The number at the start of a text: leading blanks skipped, optional sign,
// digits, decimal part and exponent. A text that does not start with a number
// reads as 0.
double leadingNumber(const QString& text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// A typed box's value as a whole number; empty when it does not fit a
// 16-bit signed integer (callers treat that as out of range).
std::optional<std::int16_t> wholeNumberFromText(const QString& text);

// The same, but any whole number that fits 32 bits (amounts of money).
std::optional<std::int32_t> wholeNumber32FromText(const QString& text);

// Number to text "as written" (no blanks).
QString asWritten(long long value);

// Number to text with one leading blank in the sign position of a
// non-negative number (" 3", "-3").
QString withLeadingBlank(long long value);

// Appends a non-negative value's digits, padded with zeros on the left to
// width ("07"); a negative value is appended as written. Builds list lines
// of the largest files without a string per number.
void appendZeroPadded(QString& out, int value, int width);

} // namespace numbrava
