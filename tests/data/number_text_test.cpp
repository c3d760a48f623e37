#include "data/number_text.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace numbrava;

namespace {

struct TypedNumber {
    const char* text;
    std::optional<std::int16_t> expected;
};

// Shown in test names, so a tab is spelled out.
void PrintTo(const TypedNumber& c, std::ostream* os) {
    *os << '"';
    for (const char* p = c.text; *p; ++p)
        *os << (*p == '\t' ? std::string("\\t") : std::string(1, *p));
    *os << '"';
}

class WholeNumberFromText : public ::testing::TestWithParam<TypedNumber> {};

TEST_P(WholeNumberFromText, ReadsTheLeadingNumberRoundedHalfToEven) {
    EXPECT_EQ(wholeNumberFromText(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    TypedBoxes, WholeNumberFromText,
    ::testing::Values(
        // Only the number at the start counts; no number reads as 0.
        TypedNumber{"12abc", 12}, TypedNumber{"", 0}, TypedNumber{"abc", 0}, TypedNumber{"  7", 7},
        TypedNumber{"\t9", 9}, TypedNumber{"7 8", 7}, TypedNumber{"-", 0}, TypedNumber{".", 0},
        TypedNumber{"a12", 0}, TypedNumber{"+3", 3}, TypedNumber{"-5", -5}, TypedNumber{"1.2.3", 1},
        TypedNumber{"1e", 1}, TypedNumber{"1.5e1", 15}, TypedNumber{"2E2x", 200},
        // Halves go to the even neighbour, everything else to the nearest.
        TypedNumber{"2.5", 2}, TypedNumber{"3.5", 4}, TypedNumber{"0.5", 0}, TypedNumber{".5", 0},
        TypedNumber{"1.5", 2}, TypedNumber{"-2.5", -2}, TypedNumber{"-3.5", -4},
        TypedNumber{"2.51", 3}, TypedNumber{"2.49", 2},
        // The 16-bit limits, also where rounding crosses them.
        TypedNumber{"32767", 32767}, TypedNumber{"-32768", -32768}, TypedNumber{"32766.5", 32766},
        TypedNumber{"32767.5", std::nullopt}, TypedNumber{"-32768.5", -32768},
        TypedNumber{"32768", std::nullopt}, TypedNumber{"40000", std::nullopt},
        TypedNumber{"-40000", std::nullopt}, TypedNumber{"1e9", std::nullopt},
        TypedNumber{"1e400", std::nullopt}, TypedNumber{"-1e400", std::nullopt},
        TypedNumber{"99999999999999999999999", std::nullopt}));

TEST(WholeNumber32FromText, HoldsAmountsBeyondSixteenBits) {
    EXPECT_EQ(wholeNumber32FromText("40000"), 40000);
    EXPECT_EQ(wholeNumber32FromText("2147483647"), 2147483647);
    EXPECT_EQ(wholeNumber32FromText("2147483648"), std::nullopt);
    EXPECT_EQ(wholeNumber32FromText("1e400"), std::nullopt);
    EXPECT_EQ(wholeNumber32FromText("12.5 dollars"), 12);
}

TEST(LeadingNumber, KeepsTheDecimalPartForTheCallerToRound) {
    EXPECT_DOUBLE_EQ(leadingNumber("  2.75abc"), 2.75);
    EXPECT_DOUBLE_EQ(leadingNumber("-0.5"), -0.5);
    EXPECT_DOUBLE_EQ(leadingNumber("1e-1"), 0.1);
}

TEST(NumberToText, LeadingBlankOnlyInTheSignPositionOfNonNegativeNumbers) {
    EXPECT_EQ(withLeadingBlank(3), " 3");
    EXPECT_EQ(withLeadingBlank(0), " 0");
    EXPECT_EQ(withLeadingBlank(2003), " 2003");
    EXPECT_EQ(withLeadingBlank(-3), "-3");
    EXPECT_EQ(asWritten(3), "3");
    EXPECT_EQ(asWritten(-3), "-3");
}

} // namespace

// The list lines of the largest files are built digit by digit; the texts
// are the ones the formatting calls they replace gave.
TEST(AppendZeroPadded, WritesWhatTheFormattingCallsWrote) {
    for (int value : {-32768, -100, -15, -5, -1, 0, 5, 9, 10, 99, 100, 1234, 32767}) {
        for (int width : {1, 2, 5}) {
            QString out = QStringLiteral("x");
            appendZeroPadded(out, value, width);
            const QString old = value < 0 ? QString::number(value)
                                          : QString::number(value).rightJustified(width, u'0');
            EXPECT_EQ(out, QStringLiteral("x") + old) << value << " " << width;
            if (width == 2)
                EXPECT_EQ(out.mid(1), QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')))
                    << value;
        }
    }
}
