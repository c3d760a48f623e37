#include "entries/typed_line.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace numbrava;

namespace {
// Six box texts separated by blanks; "_" stands for an empty box.
std::array<QString, 6> boxes(const char* texts) {
    const QStringList parts = QString::fromLatin1(texts).split(QLatin1Char(' '));
    std::array<QString, 6> all;
    for (size_t i = 0; i < 6; ++i) {
        const QString& part = parts[static_cast<qsizetype>(i)];
        all[i] = part == QLatin1String("_") ? QString() : part;
    }
    return all;
}
const LineLimits kPbAdd{53, 42, LowBonus::OutOfRange};
const LineLimits kPbEdit{53, 42, LowBonus::NotANumber};
const LineLimits kMbEdit{52, 52, LowBonus::NotANumber};
const LineLimits kHuge{99999999, 42, LowBonus::OutOfRange};

struct ErrorCase {
    const char* name;
    const char* texts;
    LineLimits limits;
    LineError expected;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class TypedLineErrors : public ::testing::TestWithParam<ErrorCase> {};
} // namespace

TEST_P(TypedLineErrors, LastFindingWins) {
    EXPECT_EQ(readTypedLine(boxes(GetParam().texts), GetParam().limits).error, GetParam().expected);
}

constexpr LineError kSame = LineError::SameNumbers;
constexpr LineError kNaN = LineError::NotANumber;
constexpr LineError kRange = LineError::OutOfRange;
constexpr LineError kNone = LineError::None;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Table, TypedLineErrors,
    ::testing::Values(
        ErrorCase{"Same",                     "5 5 10 20 30 7",  kPbAdd,  kSame},
        ErrorCase{"ZeroIsNotANumber",         "0 1 2 3 4 7",     kPbAdd,  kNaN},
        ErrorCase{"EmptyBoxIsNotANumber",     "1 _ 2 3 4 7",     kPbAdd,  kNaN},
        ErrorCase{"LettersAreNotANumber",     "1 ab 2 3 4 7",    kPbAdd,  kNaN},
        ErrorCase{"PowerballBonus43",         "1 2 3 4 5 43",    kPbAdd,  kRange},
        ErrorCase{"Main54",                   "1 2 3 4 54 9",    kPbAdd,  kRange},
        ErrorCase{"Main53IsFineForPowerball", "1 2 3 4 53 42",   kPbAdd,  kNone},
        ErrorCase{"Main53IsOutForMega",       "1 2 3 4 53 9",    kMbEdit, kRange},
        ErrorCase{"MegaBonus53",              "1 2 3 4 5 53",    kMbEdit, kRange},
        ErrorCase{"MegaBonus52IsFine",        "1 2 3 4 5 52",    kMbEdit, kNone},
        // The bonus is drawn from its own drum: it may equal a main number.
        ErrorCase{"BonusEqualsAMainNumber",   "5 10 20 30 40 5", kPbAdd,  kNone},
        ErrorCase{"BonusEqualsLastMain",      "1 2 3 4 52 52",   kMbEdit, kNone},
        // The add screen calls an empty bonus out of range, the edit screen not a number.
        ErrorCase{"AddEmptyBonus",            "1 2 3 4 5 _",     kPbAdd,  kRange},
        ErrorCase{"EditEmptyBonus",           "1 2 3 4 5 _",     kPbEdit, kNaN},
        // Pairs run box by box: a duplicate found after an out-of-range box wins ...
        ErrorCase{"DuplicateAfterOutOfRange", "60 5 5 10 20 7",  kPbAdd,  kSame},
        // ... an out-of-range box after a duplicate wins ...
        ErrorCase{"OutOfRangeAfterDuplicate", "5 5 10 20 60 7",  kPbAdd,  kRange},
        // ... two zeros are equal and below 1; the second test of the pair wins.
        ErrorCase{"TwoZeros",                 "0 0 10 20 30 7",  kPbAdd,  kNaN},
        // ... and the bonus, looked at last, beats everything.
        ErrorCase{"BonusLast",                "5 5 0 20 60 0",   kPbEdit, kNaN},
        // A value that fits no 16-bit field is out of range, never a crash.
        ErrorCase{"Huge",                     "1 2 3 4 99999999 7", kHuge, kRange},
        ErrorCase{"Enormous", "1 2 3 4 99999999999999999999999999999999999999999 7", kPbAdd, kRange},
        ErrorCase{"Negative",                 "-5 2 3 4 6 7",    kPbAdd,  kNaN},
        // Boxes are compared as typed: 0.9 and 1 differ, and 0.9 is below 1.
        ErrorCase{"ComparedBeforeRounding",   ".9 1 10 20 30 7", kPbAdd,  kNaN},
        // Stored numbers are whole: "1.5" and "2" would be the same number twice.
        ErrorCase{"SameOnceRounded",          "1.5 2 10 20 30 7", kPbAdd, kSame}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(TypedLine, StoresMainNumbersAscendingAndTheBonusApart) {
    EXPECT_EQ(readTypedLine(boxes("40 3 17 9 22 5"), kPbAdd).line,
              (EntryLine{{3, 9, 17, 22, 40}, 5}));
    EXPECT_EQ(readTypedLine(boxes("22 9 41 3 15 9"), kPbEdit).line,
              (EntryLine{{3, 9, 15, 22, 41}, 9}));
    // Leading blanks and trailing text are read.
    const TypedLine typed = readTypedLine({" 7", "8x", "9", "10", "11", "1"}, kPbAdd);
    ASSERT_EQ(typed.error, LineError::None);
    EXPECT_EQ(typed.line, (EntryLine{{7, 8, 9, 10, 11}, 1}));
}
