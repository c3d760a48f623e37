#include "data/dates.h"

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

} // namespace
