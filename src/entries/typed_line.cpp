#include "entries/typed_line.h"

#include "data/number_text.h"

#include <algorithm>

namespace numbrava {

TypedLine readTypedLine(const std::array<QString, 6>& boxes, const LineLimits& limits) {
    std::array<double, 6> value{};
    std::array<double, 6> whole{};
    for (size_t i = 0; i < 6; ++i) {
        value[i] = leadingNumber(boxes[i]);
        whole[i] = roundHalfEven(value[i]);
    }

    // Every ordered pair of main boxes, each finding overwriting the code.
    LineError error = LineError::None;
    for (size_t i = 0; i < 5; ++i) {
        for (size_t j = 0; j < 5; ++j) {
            if (i == j)
                continue;
            if (value[j] == value[i])
                error = LineError::SameNumbers;
            if (value[i] < 1)
                error = LineError::NotANumber;
            if (value[i] > limits.mainMax)
                error = LineError::OutOfRange;
        }
    }
    if (value[5] < 1)
        error =
            limits.lowBonus == LowBonus::NotANumber ? LineError::NotANumber : LineError::OutOfRange;
    if (value[5] > limits.bonusMax)
        error = LineError::OutOfRange;
    // Whatever the limits, a number must fit the 16-bit field it is stored in.
    for (double v : whole)
        if (!(v >= 1 && v <= 32767) && error == LineError::None)
            error = LineError::OutOfRange;
    // Two different texts may still round to the same number ("1.5", "2");
    // a line never stores one number twice.
    for (size_t i = 0; i < 5 && error == LineError::None; ++i)
        for (size_t j = i + 1; j < 5; ++j)
            if (whole[i] == whole[j])
                error = LineError::SameNumbers;

    TypedLine result;
    result.error = error;
    if (error != LineError::None)
        return result;
    for (size_t i = 0; i < 5; ++i)
        result.line.numbers[i] = static_cast<std::int16_t>(whole[i]);
    result.line.bonus = static_cast<std::int16_t>(whole[5]);
    result.line = withMainNumbersAscending(result.line);
    return result;
}

QString lineErrorMessage(LineError error) {
    switch (error) {
    case LineError::None:
        return {};
    case LineError::SameNumbers:
        return QStringLiteral("One or more of your numbers are the same!");
    case LineError::NotANumber:
        return QStringLiteral("One or more of your entries is not a number!");
    case LineError::OutOfRange:
        return QStringLiteral("One or more of your numbers are out of range for the game!");
    }
    return {};
}

EntryLine withMainNumbersAscending(EntryLine line) {
    std::sort(line.numbers.begin(), line.numbers.end());
    return line;
}

} // namespace numbrava
