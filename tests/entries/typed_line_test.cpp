#include "entries/typed_line.h"

#include <gtest/gtest.h>

using namespace numbrava;

namespace {
std::array<QString, 6> boxes(const char* a, const char* b, const char* c, const char* d,
                             const char* e, const char* bonus) {
    return {QString::fromLatin1(a), QString::fromLatin1(b), QString::fromLatin1(c),
            QString::fromLatin1(d), QString::fromLatin1(e), QString::fromLatin1(bonus)};
}
const LineLimits kPowerballAdd{53, 42, LowBonus::OutOfRange};
const LineLimits kPowerballEdit{53, 42, LowBonus::NotANumber};
const LineLimits kMegaEdit{52, 52, LowBonus::NotANumber};
} // namespace

struct ErrorCase {
    const char* name;
    std::array<const char*, 6> texts;
    LineLimits limits;
    LineError expected;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class TypedLineErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(TypedLineErrors, LastFindingWins) {
    const auto& c = GetParam();
    const auto& t = c.texts;
    const TypedLine typed = readTypedLine(boxes(t[0], t[1], t[2], t[3], t[4], t[5]), c.limits);
    EXPECT_EQ(typed.error, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TypedLineErrors,
    ::testing::Values(
        ErrorCase{"Same", {"5", "5", "10", "20", "30", "7"}, kPowerballAdd, LineError::SameNumbers},
        ErrorCase{"ZeroIsNotANumber",
                  {"0", "1", "2", "3", "4", "7"},
                  kPowerballAdd,
                  LineError::NotANumber},
        ErrorCase{"EmptyBoxIsNotANumber",
                  {"1", "", "2", "3", "4", "7"},
                  kPowerballAdd,
                  LineError::NotANumber},
        ErrorCase{"LettersAreNotANumber",
                  {"1", "ab", "2", "3", "4", "7"},
                  kPowerballAdd,
                  LineError::NotANumber},
        ErrorCase{"PowerballBonus43",
                  {"1", "2", "3", "4", "5", "43"},
                  kPowerballAdd,
                  LineError::OutOfRange},
        ErrorCase{"Main54", {"1", "2", "3", "4", "54", "9"}, kPowerballAdd, LineError::OutOfRange},
        ErrorCase{"Main53IsFineForPowerball",
                  {"1", "2", "3", "4", "53", "42"},
                  kPowerballAdd,
                  LineError::None},
        ErrorCase{"Main53IsOutForMega",
                  {"1", "2", "3", "4", "53", "9"},
                  kMegaEdit,
                  LineError::OutOfRange},
        ErrorCase{"MegaBonus53", {"1", "2", "3", "4", "5", "53"}, kMegaEdit, LineError::OutOfRange},
        ErrorCase{"MegaBonus52IsFine", {"1", "2", "3", "4", "5", "52"}, kMegaEdit, LineError::None},
        // The add screen calls an empty bonus out of range, the edit screen not a number.
        ErrorCase{
            "AddEmptyBonus", {"1", "2", "3", "4", "5", ""}, kPowerballAdd, LineError::OutOfRange},
        ErrorCase{
            "EditEmptyBonus", {"1", "2", "3", "4", "5", ""}, kPowerballEdit, LineError::NotANumber},
        // Pairs run box by box: a duplicate found after an out-of-range box wins ...
        ErrorCase{"DuplicateAfterOutOfRange",
                  {"60", "5", "5", "10", "20", "7"},
                  kPowerballAdd,
                  LineError::SameNumbers},
        // ... an out-of-range box after a duplicate wins ...
        ErrorCase{"OutOfRangeAfterDuplicate",
                  {"5", "5", "10", "20", "60", "7"},
                  kPowerballAdd,
                  LineError::OutOfRange},
        // ... two zeros are equal and below 1; the second test of the pair wins.
        ErrorCase{
            "TwoZeros", {"0", "0", "10", "20", "30", "7"}, kPowerballAdd, LineError::NotANumber},
        // ... and the bonus, looked at last, beats everything.
        ErrorCase{
            "BonusLast", {"5", "5", "0", "20", "60", "0"}, kPowerballEdit, LineError::NotANumber},
        // A value that fits no 16-bit field is out of range, never a crash.
        ErrorCase{"Huge",
                  {"1", "2", "3", "4", "99999999", "7"},
                  {99999999, 42, LowBonus::OutOfRange},
                  LineError::OutOfRange},
        ErrorCase{
            "Negative", {"-5", "2", "3", "4", "6", "7"}, kPowerballAdd, LineError::NotANumber},
        // Boxes are compared as typed: 0.9 and 1 differ, and 0.9 is below 1.
        ErrorCase{"ComparedBeforeRounding",
                  {".9", "1", "10", "20", "30", "7"},
                  kPowerballAdd,
                  LineError::NotANumber},
        // Stored numbers are whole: "1.5" and "2" would be the same number twice.
        ErrorCase{"SameOnceRounded",
                  {"1.5", "2", "10", "20", "30", "7"},
                  kPowerballAdd,
                  LineError::SameNumbers}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypedLine, EnormousValuesAreOutOfRange) {
    const TypedLine enormous = readTypedLine(
        boxes("1", "2", "3", "4", "99999999999999999999999999999999999999999", "7"), kPowerballAdd);
    EXPECT_EQ(enormous.error, LineError::OutOfRange);
}

TEST(TypedLine, StoresMainNumbersAscendingAndTheBonusApart) {
    const TypedLine typed = readTypedLine(boxes("40", "3", "17", "9", "22", "5"), kPowerballAdd);
    ASSERT_EQ(typed.error, LineError::None);
    EXPECT_EQ(typed.line, (EntryLine{{3, 9, 17, 22, 40}, 5}));
    const TypedLine edited = readTypedLine(boxes("22", "7", "41", "3", "15", "9"), kPowerballEdit);
    EXPECT_EQ(edited.line, (EntryLine{{3, 7, 15, 22, 41}, 9}));
}

TEST(TypedLine, LeadingBlanksAndTrailingTextAreRead) {
    const TypedLine typed = readTypedLine(boxes(" 7", "8x", "9", "10", "11", "1"), kPowerballAdd);
    ASSERT_EQ(typed.error, LineError::None);
    EXPECT_EQ(typed.line, (EntryLine{{7, 8, 9, 10, 11}, 1}));
}

TEST(TypedLine, Messages) {
    EXPECT_EQ(lineErrorMessage(LineError::SameNumbers),
              QStringLiteral("One or more of your numbers are the same!"));
    EXPECT_EQ(lineErrorMessage(LineError::NotANumber),
              QStringLiteral("One or more of your entries is not a number!"));
    EXPECT_EQ(lineErrorMessage(LineError::OutOfRange),
              QStringLiteral("One or more of your numbers are out of range for the game!"));
}
