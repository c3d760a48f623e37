#include "entries/typed_line.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace numbrava;

namespace {
// Six box texts separated by blanks; "_" stands for an empty box.
std::array<QString, 6> boxes(const char* texts) {
    QStringList parts = QString::fromLatin1(texts).split(QLatin1Char(' '));
    std::array<QString, 6> all;
    for (size_t i = 0; i < 6; ++i)
        all[i] = parts[static_cast<qsizetype>(i)].replace(QLatin1Char('_'), QString());
    return all;
}
const LineLimits kPbAdd{53, 42, LowBonus::OutOfRange};
const LineLimits kPbEdit{53, 42, LowBonus::NotANumber};
const LineLimits kMbEdit{52, 52, LowBonus::NotANumber};
constexpr LineError kSame = LineError::SameNumbers, kNaN = LineError::NotANumber,
                    kRange = LineError::OutOfRange, kNone = LineError::None;
} // namespace

TEST(TypedLine, TheLastFindingWins) {
    // clang-format off
    const struct { const char* texts; LineLimits limits; LineError expected; } cases[] = {
        {"5 5 10 20 30 7", kPbAdd, kSame},   {"0 1 2 3 4 7", kPbAdd, kNaN},
        {"1 _ 2 3 4 7", kPbAdd, kNaN},       {"1 ab 2 3 4 7", kPbAdd, kNaN},
        {"1 2 3 4 5 43", kPbAdd, kRange},    {"1 2 3 4 54 9", kPbAdd, kRange},
        {"1 2 3 4 53 42", kPbAdd, kNone},    {"1 2 3 4 53 9", kMbEdit, kRange},
        {"1 2 3 4 5 53", kMbEdit, kRange},   {"1 2 3 4 5 52", kMbEdit, kNone},
        // The bonus is drawn from its own drum: it may equal a main number.
        {"5 10 20 30 40 5", kPbAdd, kNone},  {"1 2 3 4 52 52", kMbEdit, kNone},
        // The add screen calls an empty bonus out of range, the edit screen not a number.
        {"1 2 3 4 5 _", kPbAdd, kRange},     {"1 2 3 4 5 _", kPbEdit, kNaN},
        // Pairs run box by box, so the later finding wins; two zeros are equal
        // and below 1 (the second test of the pair wins); the bonus comes last.
        {"60 5 5 10 20 7", kPbAdd, kSame},   {"5 5 10 20 60 7", kPbAdd, kRange},
        {"0 0 10 20 30 7", kPbAdd, kNaN},    {"5 5 0 20 60 0", kPbEdit, kNaN},
        // A value that fits no 16-bit field is out of range, never a crash.
        {"1 2 3 4 99999999 7", {99999999, 42, LowBonus::OutOfRange}, kRange},
        {"1 2 3 4 99999999999999999999999999999999999999999 7", kPbAdd, kRange},
        {"-5 2 3 4 6 7", kPbAdd, kNaN},
        // Boxes are compared as typed (0.9 and 1 differ, 0.9 is below 1), but
        // stored whole: "1.5" and "2" would be the same number twice.
        {".9 1 10 20 30 7", kPbAdd, kNaN},   {"1.5 2 10 20 30 7", kPbAdd, kSame}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(readTypedLine(boxes(c.texts), c.limits).error, c.expected) << c.texts;
}

// Leading blanks and trailing text are read; the bonus stays apart.
TEST(TypedLine, StoresMainNumbersAscendingAndTheBonusApart) {
    const TypedLine typed = readTypedLine({" 17", "8x", "9", "10", "11", "1"}, kPbAdd);
    ASSERT_EQ(typed.error, LineError::None);
    EXPECT_EQ(typed.line, (EntryLine{{8, 9, 10, 11, 17}, 1}));
}
