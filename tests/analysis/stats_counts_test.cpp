#include "analysis/ball_info.h"
#include "analysis/stats_counts.h"

#include <QDate>
#include <QFile>
#include <gtest/gtest.h>

#include <map>

using namespace numbrava;

namespace {

DrawRecord draw(std::array<std::int16_t, 5> balls, int bonus) {
    DrawRecord r;
    r.balls = balls;
    r.bonus = static_cast<std::int16_t>(bonus);
    return r;
}

// Draw k (1-based) holds balls k..k+4 and bonus k, so each draw is told apart.
std::vector<DrawRecord> numberedDraws(int n) {
    std::vector<DrawRecord> draws;
    for (int k = 1; k <= n; ++k) {
        const auto b = static_cast<std::int16_t>(k);
        draws.push_back(draw({b, static_cast<std::int16_t>(b + 1), static_cast<std::int16_t>(b + 2),
                              static_cast<std::int16_t>(b + 3), static_cast<std::int16_t>(b + 4)},
                             k));
    }
    return draws;
}

std::vector<int> ballsOf(const std::vector<BallCount>& rows) {
    std::vector<int> balls;
    for (const BallCount& row : rows)
        balls.push_back(row.ball);
    return balls;
}

std::vector<int> range(int from, int to) {
    std::vector<int> v;
    for (int b = from; b <= to; ++b)
        v.push_back(b);
    return v;
}

std::vector<int> join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

struct LastDrawsCase {
    const char* name;
    int stored;
    QString typed;
    bool tooMany;
    int firstCounted; // bonus of the oldest draw counted; 0 when none
};

class StatsLastDraws : public ::testing::TestWithParam<LastDrawsCase> {};

TEST_P(StatsLastDraws, CountsTheMostRecentDraws) {
    const LastDrawsCase& c = GetParam();
    const DrawStatistics stats =
        countBalls(numberedDraws(c.stored), StatsView::Powerball, lastDrawsFromText(c.typed));
    EXPECT_EQ(stats.tooManyAsked, c.tooMany);
    ASSERT_EQ(stats.counts.size(), 42u);
    for (int ball = 1; ball <= 42; ++ball) {
        const bool counted = c.firstCounted > 0 && ball >= c.firstCounted && ball <= c.stored;
        EXPECT_EQ(stats.counts[ball - 1], counted ? 1 : 0) << "ball " << ball;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StatsLastDraws,
    ::testing::Values(LastDrawsCase{"AllTen", 10, "10", false, 1},
                      LastDrawsCase{"ElevenOfTen", 10, "11", true, 1},
                      LastDrawsCase{"LastThree", 10, "3", false, 8},
                      LastDrawsCase{"LeadingNumber", 10, "3x", false, 8},
                      LastDrawsCase{"HalfRoundsToEven", 10, "2.5", false, 9},
                      LastDrawsCase{"EmptyMeansAll", 10, "", false, 1},
                      LastDrawsCase{"TextMeansAll", 10, "abc", false, 1},
                      LastDrawsCase{"NegativeMeansAll", 10, "-4", false, 1},
                      LastDrawsCase{"Beyond16BitsAbove", 10, "40000", true, 1},
                      LastDrawsCase{"Beyond16BitsBelow", 10, "-40000", false, 1},
                      LastDrawsCase{"EmptyHistory", 0, "", false, 0},
                      LastDrawsCase{"EmptyHistoryAskedForOne", 0, "1", true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StatsCounts, MainViewsCountFiveBallsAndSkipBallsOutOfRange) {
    // A damaged record may hold 0, 53 or 60; none of them is counted as another ball.
    const std::vector<DrawRecord> draws = {draw({1, 2, 3, 52, 53}, 42),
                                           draw({0, 2, 60, 52, 53}, 7)};
    const DrawStatistics mm = countBalls(draws, StatsView::MegaMillionsMain, 0);
    std::vector<int> expected(52, 0);
    expected[0] = 1, expected[1] = 2, expected[2] = 1, expected[51] = 2;
    EXPECT_EQ(mm.counts, expected);
    const DrawStatistics pb = countBalls(draws, StatsView::PowerballMain, 0);
    EXPECT_EQ(pb.counts[52], 2);
    EXPECT_EQ(countBalls(draws, StatsView::MegaMillionsMegaBall, 0).counts[41], 1);
}

struct RankCase {
    const char* name;
    std::map<int, int> drawn; // ball -> count; others 0
    std::vector<int> order;
};

class StatsRanking : public ::testing::TestWithParam<RankCase> {};

TEST_P(StatsRanking, FollowsTheExchangePass) {
    std::vector<int> counts(42, 0);
    for (const auto& [ball, count] : GetParam().drawn)
        counts[ball - 1] = count;
    EXPECT_EQ(ballsOf(chartRows(counts, true)), GetParam().order);
    EXPECT_EQ(ballsOf(chartRows(counts, false)), range(1, 42));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StatsRanking,
    ::testing::Values(RankCase{"AllEqual", {}, range(1, 42)},
                      RankCase{"OnlyBall42", {{42, 1}}, join({{42}, range(2, 41), {1}})},
                      RankCase{"FiveThenThreeTies",
                               {{5, 5}, {10, 2}, {20, 2}, {30, 2}},
                               join({{5, 10, 20, 30, 1},
                                     range(6, 9),
                                     {2},
                                     range(11, 19),
                                     {3},
                                     range(21, 29),
                                     {4},
                                     range(31, 42)})},
                      RankCase{
                          "Descending", {{1, 1}, {2, 2}, {3, 3}}, join({{3, 2, 1}, range(4, 42)})}),
    [](const auto& info) { return std::string(info.param.name); });

struct InfoCase {
    const char* name;
    StatsView view;
    QString typed;
    int ball; // 0 when refused
    QString shown;
};

class StatsInfoBall : public ::testing::TestWithParam<InfoCase> {};

TEST_P(StatsInfoBall, AcceptsOnlyTheViewsRange) {
    const InfoCase& c = GetParam();
    const InfoBallChoice choice = infoBallFromText(c.view, c.typed);
    EXPECT_EQ(choice.ball.value_or(0), c.ball);
    EXPECT_EQ(c.ball ? choice.typedNumber : choice.refusal, c.shown);
}

const QString k42 = QStringLiteral("You must enter a number between 1 and 42");
const QString k52 = QStringLiteral("You must enter a number between 1 and 52");
const QString k53 = QStringLiteral("You must enter a number between 1 and 53");

INSTANTIATE_TEST_SUITE_P(
    Cases, StatsInfoBall,
    ::testing::Values(InfoCase{"PowerballRefuses53", StatsView::Powerball, "53", 0, k42},
                      InfoCase{"PowerballMainTakes53", StatsView::PowerballMain, "53", 53, "53"},
                      InfoCase{"MegaMainRefuses53", StatsView::MegaMillionsMain, "53", 0, k52},
                      InfoCase{"MegaBallRefuses0", StatsView::MegaMillionsMegaBall, "0", 0, k52},
                      InfoCase{"TextIsZero", StatsView::PowerballMain, "seven", 0, k53},
                      InfoCase{"Beyond16Bits", StatsView::PowerballMain, "70000", 0, k53},
                      InfoCase{"TrailingText", StatsView::Powerball, " 7x", 7, "7"},
                      InfoCase{"FractionRoundsHalfEven", StatsView::Powerball, "2.5", 2, "2.5"}),
    [](const auto& info) { return std::string(info.param.name); });

// The shipped real histories, counted again here straight from their CSV sources.
struct ShippedCase {
    const char* csv;
    StatsView main;
    StatsView bonus;
};

class StatsShippedHistory : public ::testing::TestWithParam<ShippedCase> {};

TEST_P(StatsShippedHistory, MatchesTheSourceData) {
    const ShippedCase& c = GetParam();
    QFile csv(QStringLiteral(NUMBRAVA_SOURCE_DIR "/data/") + c.csv);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly | QIODevice::Text));
    csv.readLine(); // header
    std::map<int, int> mainCounts, bonusCounts, lastRow;
    std::map<int, QString> lastDate;
    int rows = 0;
    while (!csv.atEnd()) {
        const QStringList fields = QString::fromLatin1(csv.readLine()).trimmed().split(',');
        if (fields.size() != 7)
            continue;
        ++rows;
        for (int i = 1; i <= 5; ++i) {
            ++mainCounts[fields[i].toInt()];
            lastRow[fields[i].toInt()] = rows;
            lastDate[fields[i].toInt()] = fields[0];
        }
        ++bonusCounts[fields[6].toInt()];
    }
    const QString folder = QStringLiteral(NUMBRAVA_BIN_DIR "/../demo");
    const DrawStatistics mainStats = readDrawStatistics(folder, c.main, 0);
    const DrawStatistics bonusStats = readDrawStatistics(folder, c.bonus, 0);
    for (int ball : {1, 7, 23, 42, 52}) {
        EXPECT_EQ(mainStats.counts.at(ball - 1), mainCounts[ball]) << ball;
        if (ball <= static_cast<int>(bonusStats.counts.size()))
            EXPECT_EQ(bonusStats.counts[ball - 1], bonusCounts[ball]) << ball;
    }
    for (int ball : {3, 33}) {
        const BallInformation info = readBallInformation(folder, c.main, ball);
        EXPECT_EQ(info.timesDrawn, mainCounts[ball]);
        EXPECT_EQ(info.drawsSince, rows - lastRow[ball]);
        const QDate last = QDate::fromString(lastDate[ball], Qt::ISODate);
        EXPECT_EQ(info.dateLastDrawn, last.toString("d MMM yyyy").toUpper()) << ball;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, StatsShippedHistory,
    ::testing::Values(ShippedCase{"powerball-2002-2005.csv", StatsView::PowerballMain,
                                  StatsView::Powerball},
                      ShippedCase{"megamillions-2002-2005.csv", StatsView::MegaMillionsMain,
                                  StatsView::MegaMillionsMegaBall}));
