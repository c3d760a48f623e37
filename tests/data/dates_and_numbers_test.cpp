#include "data/dates.h"
#include "data/number_text.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace numbrava;

namespace {

TEST(Dates, MonthNamesDateTextsAndDrawDays) {
    QStringList names;
    for (int m = -1; m <= 13; ++m)
        names << monthAbbrev(m);
    EXPECT_EQ(names.join(','), ",,JAN,FEB,MAR,APR,MAY,JUN,JUL,AUG,SEP,OCT,NOV,DEC,");
    EXPECT_EQ(getstringdate(2003, 7, 5), "20030705");
    EXPECT_EQ(sortableDateNumber(2003, 12, 31), 20031231);
    // The results list's round trip covers every month; these are the edges.
    EXPECT_EQ(dateFromDayMonthText("1/FEB/2003"), QDate(2003, 2, 1));
    for (const char* text :
         {"29/FEB/2003", "05/JLY/2003", "05/07/2003", "05JUL2003", "", "xx/JUL/2003"})
        EXPECT_FALSE(dateFromDayMonthText(QString::fromLatin1(text)).isValid()) << text;
    // 29 June 2003 was a Sunday; each game draws on exactly its two weekdays.
    for (int offset = 0; offset < 14; ++offset) {
        const QDate d = QDate(2003, 6, 29).addDays(offset);
        const int weekday = offset % 7 + 1;
        ASSERT_EQ(weekdaySundayFirst(d), weekday);
        EXPECT_EQ(isDrawDay(MegaMillions, d), weekday == 3 || weekday == 6) << weekday;
        EXPECT_EQ(isDrawDay(Powerball, d), weekday == 4 || weekday == 7) << weekday;
    }
}

TEST(Games, RangesDrawDaysFilesAndTextsOfTheFourGamesByDate) {
    struct Row {
        GameCode game;
        QDate date;
        int mainMax, bonusMax;
        bool drawDay, beforeFirst;
        const char* days;
        const char* files; // dated entry, standing, wheel 5-4-3, history, payouts
        int lastGameValue;
    };
    // clang-format off
    const Row rows[] = {
        {Powerball, {1990, 1, 3}, 53, 42, true, false, "Wednesday or Saturday",
         "PwrB03JAN1990.lot StandPB.lot PwrB-5-4-3.lot pbk.rtl Defaults.rtl USRES.rtl", -1},
        {MegaMillions, {2030, 1, 4}, 52, 52, true, false, "Tuesday or Friday",
         "Mega04JAN2030.lot StandMM.lot Mega-5-4-3.lot million.rtl MMDefaults.rtl USMMRES.rtl", 0},
        {Powerball69, {2015, 10, 6}, 69, 26, false, true, "Wednesday or Saturday",
         "PB6906OCT2015.lot StandPB69.lot PB69-5-4-3.lot pbk69.rtl PB69Defaults.rtl PB69RES.rtl", 1},
        {Powerball69, {2021, 8, 16}, 69, 26, false, false, "Wednesday or Saturday", nullptr, 1},
        {Powerball69, {2021, 8, 23}, 69, 26, true, false, "Monday, Wednesday or Saturday", nullptr, 1},
        {MegaMillions70, {2025, 4, 4}, 70, 25, true, false, "Tuesday or Friday",
         "MM7004APR2025.lot StandMM70.lot MM70-5-4-3.lot million70.rtl MM70Defaults.rtl MM70RES.rtl", 2},
        {MegaMillions70, {2025, 4, 8}, 70, 24, true, false, "Tuesday or Friday", nullptr, 2},
        {MegaMillions70, {2017, 10, 1}, 70, 25, false, true, "Tuesday or Friday", nullptr, 2},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(gameInfo(r.game).name.toStdString() + " " + r.date.toString().toStdString());
        const GameInfo& info = gameInfo(r.game);
        EXPECT_EQ(gameFormat(r.game, r.date).mainMax, r.mainMax);
        EXPECT_EQ(gameFormat(r.game, r.date).bonusMax, r.bonusMax);
        EXPECT_EQ(isDrawDay(r.game, r.date), r.drawDay);
        EXPECT_EQ(isBeforeFirstDraw(r.game, r.date), r.beforeFirst);
        EXPECT_EQ(drawDaysText(r.game, r.date), r.days);
        EXPECT_EQ(gameOfLastGameValue(r.lastGameValue), r.game);
        if (r.files)
            EXPECT_EQ(
                QStringList({info.entryPrefix +
                                 entryFileDatePart(r.date.day(), r.date.month(), r.date.year()) +
                                 ".lot",
                             info.standingFile, wheelEntryFileName(r.game, "4-3"), info.historyFile,
                             info.defaultPayoutFile, info.actualPayoutFile})
                    .join(' '),
                r.files);
    }
    EXPECT_EQ(gameOfLastGameValue(7), MegaMillions);
    EXPECT_EQ(payoutNotDrawDayRefusal(Powerball69, QDate(2022, 1, 1)),
              "You must select a Monday, Wednesday or Saturday date");
    EXPECT_EQ(entriesNotDrawDayQuestion(Powerball, QDate(2003, 7, 1)),
              "This is not a Wednesday or Saturday date, do you want to continue");
    EXPECT_EQ(firstDrawOfFormat(MegaMillions70, gameFormat(MegaMillions70, {})), QDate(2025, 4, 8));
    // Old screens never see today's files, and today's games see only their own.
    for (const char* name : {"PB6905JUL2025.lot", "StandMM70.lot", "MM70-5-4-3.lot"})
        EXPECT_FALSE(isEntryFileOfGame(Powerball, name)) << name;
    EXPECT_TRUE(isEntryFileOfGame(MegaMillions, "PwrB05JUL2003.lot"));
    EXPECT_TRUE(isEntryFileOfGame(Powerball69, "StandPB69.lot"));
    EXPECT_FALSE(isEntryFileOfGame(Powerball69, "StandMM70.lot"));
}

TEST(NumberText, ReadsTheLeadingNumberRoundedHalfToEvenAndWritesItBack) {
    constexpr std::nullopt_t none = std::nullopt;
    // clang-format off
    const std::pair<const char*, std::optional<std::int16_t>> cases[] = {
        // Only the number at the start counts; no number reads as 0.
        {"12abc", 12}, {"", 0}, {"abc", 0}, {"  7", 7}, {"\t9", 9}, {"7 8", 7}, {"-", 0},
        {".", 0}, {"a12", 0}, {"+3", 3}, {"-5", -5}, {"1.2.3", 1}, {"1e", 1}, {"1.5e1", 15},
        {"2E2x", 200},
        // Halves go to the even neighbour, everything else to the nearest.
        {"2.5", 2}, {"3.5", 4}, {"0.5", 0}, {".5", 0}, {"1.5", 2}, {"-2.5", -2}, {"-3.5", -4},
        {"2.51", 3}, {"2.49", 2},
        // The 16-bit limits, also where rounding crosses them.
        {"32767", 32767}, {"-32768", -32768}, {"32766.5", 32766}, {"32767.5", none},
        {"-32768.5", -32768}, {"32768", none}, {"40000", none}, {"-40000", none}, {"1e9", none},
        {"1e400", none}, {"-1e400", none}, {"99999999999999999999999", none}};
    const std::pair<const char*, std::optional<std::int32_t>> amounts[] = {{"40000", 40000},
        {"2147483647", 2147483647}, {"2147483648", none}, {"1e400", none}, {"12.5 dollars", 12}};
    // clang-format on
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(wholeNumberFromText(QString::fromUtf8(text)), expected) << '"' << text << '"';
    for (const auto& [text, expected] : amounts)
        EXPECT_EQ(wholeNumber32FromText(QString::fromUtf8(text)), expected) << text;
    EXPECT_EQ(
        std::vector({leadingNumber("  2.75abc"), leadingNumber("-0.5"), leadingNumber("1e-1")}),
        std::vector({2.75, -0.5, 0.1}));
    // A leading blank only in the sign position of a non-negative number.
    EXPECT_EQ(withLeadingBlank(3) + withLeadingBlank(0) + withLeadingBlank(2003) +
                  withLeadingBlank(-3) + asWritten(3) + asWritten(-3),
              " 3 0 2003-33-3");
    // The largest files' list lines are built digit by digit; texts match the calls they replace.
    for (int value : {-32768, -100, -15, -5, -1, 0, 5, 9, 10, 99, 100, 1234, 32767}) {
        for (int width : {1, 2, 5}) {
            QString out = QStringLiteral("x");
            appendZeroPadded(out, value, width);
            const QString old = value < 0 ? QString::number(value)
                                          : QString::number(value).rightJustified(width, u'0');
            EXPECT_EQ(out, QStringLiteral("x") + old) << value << " " << width;
        }
    }
}

} // namespace
