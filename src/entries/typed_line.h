#pragma once

#include "data/draw_record.h"

#include <QString>
#include <array>

namespace numbrava {

// What is wrong with a typed line. The numbers are the codes the screens
// work with: each finding overwrites the earlier one, so the last one wins.
enum class LineError { None = 0, SameNumbers = 1, NotANumber = 2, OutOfRange = 3 };

// The add screen counts a bonus below 1 as out of range, the edit screen as
// not a number.
enum class LowBonus { OutOfRange, NotANumber };

struct LineLimits {
    int mainMax = 0;
    int bonusMax = 0;
    LowBonus lowBonus = LowBonus::OutOfRange;
};

struct TypedLine {
    LineError error = LineError::None;
    // The line to store: main numbers ascending. Meaningful only without error.
    EntryLine line;
};

// Reads the six boxes of a line (five main numbers, then the bonus).
TypedLine readTypedLine(const std::array<QString, 6>& boxes, const LineLimits& limits);

// The one message shown for an error ("" for none).
QString lineErrorMessage(LineError error);

// The same line with its five main numbers in ascending order.
EntryLine withMainNumbersAscending(EntryLine line);

} // namespace numbrava
