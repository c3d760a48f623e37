#include "data/dates.h"
#include "data/number_text.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace numbrava;

namespace {

TEST(MonthAbbrev, NamesEveryMonthAndNothingElse) {
    const char* names[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                           "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(monthAbbrev(m), QLatin1String(names[m - 1])) << m;
    EXPECT_EQ(monthAbbrev(0), QString());
    EXPECT_EQ(monthAbbrev(13), QString());
    EXPECT_EQ(monthAbbrev(-1), QString());
}

TEST(Getstringdate, YearThenZeroPaddedMonthAndDaySoLaterDatesGiveLargerNumbers) {
    EXPECT_EQ(getstringdate(2003, 7, 5), "20030705");
    EXPECT_EQ(sortableDateNumber(2003, 7, 5), 20030705);
    // Every day of a few years, across month and year ends.
    long long previous = 0;
    for (QDate d(2002, 12, 1); d <= QDate(2005, 1, 31); d = d.addDays(1)) {
        const long long number = getstringdate(d.year(), d.month(), d.day()).toLongLong();
        ASSERT_GT(number, previous) << d.toString(Qt::ISODate).toStdString();
        previous = number;
    }
}

// 29 June 2003 was a Sunday, so 1 July 2003 is weekday 3.
TEST(DrawDays, EachGameDrawsOnExactlyItsTwoWeekdays) {
    EXPECT_EQ(weekdaySundayFirst(QDate(2003, 7, 1)), 3);
    for (int offset = 0; offset < 14; ++offset) {
        const QDate d = QDate(2003, 6, 29).addDays(offset);
        const int weekday = offset % 7 + 1;
        ASSERT_EQ(weekdaySundayFirst(d), weekday);
        EXPECT_EQ(isDrawDay(MegaMillions, d), weekday == 3 || weekday == 6) << weekday;
        EXPECT_EQ(isDrawDay(Powerball, d), weekday == 4 || weekday == 7) << weekday;
    }
}

struct DayMonthText {
    const char* text;
    QDate expected; // invalid when the text is refused
};

void PrintTo(const DayMonthText& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class DateFromDayMonthText : public ::testing::TestWithParam<DayMonthText> {};

TEST_P(DateFromDayMonthText, ReadsDayMonthNameAndYear) {
    EXPECT_EQ(dateFromDayMonthText(QString::fromLatin1(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ResultsListTexts, DateFromDayMonthText,
    ::testing::Values(DayMonthText{"05/JUL/2003", QDate(2003, 7, 5)},
                      DayMonthText{"09/DEC/2003", QDate(2003, 12, 9)},
                      DayMonthText{"31/JAN/2004", QDate(2004, 1, 31)},
                      DayMonthText{"1/FEB/2003", QDate(2003, 2, 1)},
                      DayMonthText{"29/FEB/2003", QDate()}, DayMonthText{"05/JLY/2003", QDate()},
                      DayMonthText{"05/07/2003", QDate()}, DayMonthText{"05JUL2003", QDate()},
                      DayMonthText{"", QDate()}, DayMonthText{"xx/JUL/2003", QDate()}));

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
