#include "data/dates.h"
#include "main/results_list_lines.h"

#include <gtest/gtest.h>

using namespace numbrava;

namespace {
DrawRecord draw(int position, int day, int month, int year, std::array<std::int16_t, 5> balls,
                int bonus) {
    DrawRecord r;
    r.count = 99; // a stale count must never show
    r.position = static_cast<std::int16_t>(position);
    r.day = static_cast<std::int16_t>(day);
    r.month = static_cast<std::int16_t>(month);
    r.year = static_cast<std::int16_t>(year);
    r.balls = balls;
    r.bonus = static_cast<std::int16_t>(bonus);
    return r;
}
} // namespace

struct FieldCase {
    int position;
    int day;
    int month;
    const char* number; // characters 1-5
    const char* monthColumn;
    const char* dayColumn;
};

class ResultsListFields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ResultsListFields, EveryFieldStandsInItsColumns) {
    const FieldCase& c = GetParam();
    const QString line =
        resultsListLine(Powerball, draw(c.position, c.day, c.month, 2004, {3, 9, 10, 42, 53}, 1));
    ASSERT_EQ(line.size(), 38) << line.toStdString();
    EXPECT_EQ(line.mid(0, 5), QLatin1String(c.number));
    EXPECT_EQ(line.mid(5, 3), QLatin1String(c.monthColumn));
    EXPECT_EQ(line.mid(8, 3), QLatin1String(c.dayColumn));
    EXPECT_EQ(line.mid(11, 5), QStringLiteral(" 2004"));
    EXPECT_EQ(line.mid(16, 1), QStringLiteral(":"));
    EXPECT_EQ(line.mid(17, 15), QStringLiteral(" 03 09 10 42 53"));
    EXPECT_EQ(line.mid(32, 3), QStringLiteral(" PB"));
    EXPECT_EQ(line.mid(35, 3), QStringLiteral(" 01"));
}

INSTANTIATE_TEST_SUITE_P(Columns, ResultsListFields,
                         ::testing::Values(FieldCase{7, 1, 1, "00007", " 01", " 01"},
                                           FieldCase{12345, 9, 12, "12345", " 12", " 09"},
                                           FieldCase{99, 31, 10, "00099", " 10", " 31"},
                                           FieldCase{32767, 29, 2, "32767", " 02", " 29"}));

TEST(ResultsListLine, ItsDateColumnsGiveBackTheDrawDateForEveryMonthOrNothing) {
    for (int month = 1; month <= 12; ++month) {
        const QDate date(2003, month, month < 10 ? month : 28);
        const QString line = resultsListLine(
            MegaMillions, draw(month, date.day(), date.month(), date.year(), {1, 2, 3, 4, 5}, 6));
        const QString text = resultsLineDateText(line);
        EXPECT_EQ(dateFromDayMonthText(text), date) << text.toStdString();
    }
    EXPECT_EQ(resultsLineDateText(QStringLiteral("00042 12 09 2003: 01 02 03 04 05 PB 06")),
              QStringLiteral("09/DEC/2003"));
    // A text without date columns gives no date.
    EXPECT_TRUE(resultsLineDateText(QString()).isEmpty());
    EXPECT_TRUE(resultsLineDateText(QStringLiteral("00042")).isEmpty());
    EXPECT_TRUE(resultsLineDateText(QStringLiteral("00042 13 09 2003: 01")).isEmpty());
    EXPECT_TRUE(resultsLineDateText(QStringLiteral("There is no list")).isEmpty());
}

TEST(ResultsListLines, KeepFileOrderForAFullHistory) {
    std::vector<DrawRecord> draws;
    for (int i = 1; i <= 32767; ++i)
        draws.push_back(draw(i, 1 + i % 28, 1 + i % 12, 1900 + i / 200, {1, 2, 3, 4, 5}, 6));
    const QStringList lines = resultsListLines(Powerball, draws);
    ASSERT_EQ(lines.size(), 32767);
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("00001 02 02 1900:")));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("32767 08 08 2063:")))
        << lines.last().toStdString();
}
