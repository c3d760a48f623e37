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

TEST(Getstringdate, YearThenZeroPaddedMonthAndDay) {
    EXPECT_EQ(getstringdate(2003, 7, 5), "20030705");
    EXPECT_EQ(getstringdate(2003, 12, 25), "20031225");
    EXPECT_EQ(getstringdate(2003, 10, 1), "20031001");
    EXPECT_EQ(sortableDateNumber(2003, 7, 5), 20030705);
}

TEST(Getstringdate, LaterDatesAlwaysGiveLargerNumbers) {
    // Every day of a few years, across month and year ends.
    long long previous = 0;
    for (QDate d(2002, 12, 1); d <= QDate(2005, 1, 31); d = d.addDays(1)) {
        const long long number = getstringdate(d.year(), d.month(), d.day()).toLongLong();
        ASSERT_GT(number, previous) << d.toString(Qt::ISODate).toStdString();
        previous = number;
    }
}

TEST(EntryFileDatePart, TwoDigitDayMonthNameAndYear) {
    EXPECT_EQ(entryFileDatePart(5, 7, 2003), "05JUL2003");
    EXPECT_EQ(entryFileDatePart(1, 12, 2003), "01DEC2003");
    EXPECT_EQ(entryFileDatePart(31, 1, 2004), "31JAN2004");
}

TEST(DrawDays, FirstDaysOfJuly2003) {
    const QDate tuesday(2003, 7, 1);
    EXPECT_EQ(weekdaySundayFirst(tuesday), 3);
    EXPECT_TRUE(isDrawDay(MegaMillions, tuesday));
    EXPECT_FALSE(isDrawDay(Powerball, tuesday));

    const QDate wednesday(2003, 7, 2);
    EXPECT_FALSE(isDrawDay(MegaMillions, wednesday));
    EXPECT_TRUE(isDrawDay(Powerball, wednesday));
}

TEST(DrawDays, EachGameDrawsOnExactlyItsTwoWeekdays) {
    // 29 June 2003 was a Sunday.
    const QDate sunday(2003, 6, 29);
    const int expected[][2] = {{3, 6}, {4, 7}};
    const GameCode games[] = {MegaMillions, Powerball};
    for (int g = 0; g < 2; ++g) {
        for (int offset = 0; offset < 14; ++offset) {
            const QDate d = sunday.addDays(offset);
            const int weekday = offset % 7 + 1;
            ASSERT_EQ(weekdaySundayFirst(d), weekday);
            const bool drawDay = weekday == expected[g][0] || weekday == expected[g][1];
            EXPECT_EQ(isDrawDay(games[g], d), drawDay)
                << "game " << games[g] << " weekday " << weekday;
        }
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
