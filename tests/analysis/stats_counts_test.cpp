#include "analysis/ball_info.h"
#include "analysis/stats_counts.h"

#include <QFile>
#include <gtest/gtest.h>

#include <map>

using namespace numbrava;

namespace {

DrawRecord draw(std::array<std::int16_t, 5> balls, int bonus, int day = 5) {
    DrawRecord r;
    r.balls = balls;
    r.bonus = static_cast<std::int16_t>(bonus);
    r.day = static_cast<std::int16_t>(day);
    r.month = 7;
    r.year = 2003;
    return r;
}

// n draws; the bonus of draw k (1-based) is k, so each counted draw shows.
std::vector<DrawRecord> numberedDraws(int n) {
    std::vector<DrawRecord> draws;
    for (int k = 1; k <= n; ++k)
        draws.push_back(draw({}, k));
    return draws;
}

std::vector<int> balls(int from, int to) {
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
    int firstCounted; // bonus of the oldest draw counted
};

class StatsLastDraws : public ::testing::TestWithParam<LastDrawsCase> {};

TEST_P(StatsLastDraws, CountsTheMostRecentDraws) {
    const LastDrawsCase& c = GetParam();
    const DrawStatistics stats =
        countBalls(numberedDraws(c.stored), StatsView::Powerball, lastDrawsFromText(c.typed));
    EXPECT_EQ(stats.tooManyAsked, c.tooMany);
    std::vector<int> expected(42, 0);
    for (int ball = c.firstCounted; ball <= c.stored; ++ball)
        expected[ball - 1] = 1;
    EXPECT_EQ(stats.counts, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, StatsLastDraws,
                         ::testing::Values(LastDrawsCase{"AllTen", 10, "10", false, 1},
                                           LastDrawsCase{"ElevenOfTen", 10, "11", true, 1},
                                           LastDrawsCase{"LastThree", 10, "3", false, 8},
                                           LastDrawsCase{"Above16Bits", 10, "40000", true, 1},
                                           LastDrawsCase{"Below16Bits", 10, "-40000", false, 1},
                                           LastDrawsCase{"EmptyHistory", 0, "", false, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StatsCounts, MainViewsCountFiveBallsAndSkipBallsOutOfRange) {
    // A damaged record may hold 0, 53 or 60; none of them is counted as another ball.
    const std::vector<DrawRecord> draws = {draw({1, 2, 3, 52, 53}, 42),
                                           draw({0, 2, 60, 52, 53}, 7)};
    std::vector<int> expected(52, 0);
    expected[0] = 1, expected[1] = 2, expected[2] = 1, expected[51] = 2;
    EXPECT_EQ(countBalls(draws, StatsView::MegaMillionsMain, 0).counts, expected);
    EXPECT_EQ(countBalls(draws, StatsView::PowerballMain, 0).counts[52], 2);
}

TEST(StatsRanking, FollowsTheExchangePass) {
    const std::vector<std::pair<std::map<int, int>, std::vector<int>>> cases = {
        {{}, balls(1, 42)},
        {{{42, 1}}, join({{42}, balls(2, 41), {1}})},
        {{{5, 5}, {10, 2}, {20, 2}, {30, 2}},
         join({{5, 10, 20, 30, 1, 6, 7, 8, 9, 2},
               balls(11, 19),
               {3},
               balls(21, 29),
               {4},
               balls(31, 42)})}};
    for (const auto& [drawn, order] : cases) {
        std::vector<int> counts(42, 0);
        for (const auto& [ball, count] : drawn)
            counts[ball - 1] = count;
        for (bool sorted : {true, false}) {
            std::vector<int> rows;
            for (const BallCount& row : chartRows(counts, sorted))
                rows.push_back(row.ball);
            EXPECT_EQ(rows, sorted ? order : balls(1, 42));
        }
    }
}

TEST(StatsInfoBall, AcceptsOnlyTheViewsRange) {
    const QString refusal = QStringLiteral("You must enter a number between 1 and %1");
    const std::vector<std::tuple<StatsView, QString, int, QString>> cases = {
        {StatsView::MegaMillionsMain, "53", 0, refusal.arg(52)},
        {StatsView::PowerballMain, "70000", 0, refusal.arg(53)},
        {StatsView::Powerball, "x", 0, refusal.arg(42)},
        {StatsView::Powerball, "2.5", 2, "2.5"}}; // rounded for the ball, as typed for the caption
    for (const auto& [view, typed, ball, shown] : cases) {
        const InfoBallChoice choice = infoBallFromText(view, typed);
        EXPECT_EQ(choice.ball.value_or(0), ball) << typed.toStdString();
        EXPECT_EQ(ball ? choice.typedNumber : choice.refusal, shown);
    }
}

TEST(BallInfoExpected, RoundsHalvesToEvenAndNeverShowsZero) {
    const std::vector<std::tuple<StatsView, int, int>> cases = {
        {StatsView::PowerballMain, 106, 10},       {StatsView::Powerball, 106, 3},
        {StatsView::MegaMillionsMegaBall, 26, 1}, // 0.5 rounds to 0, shown as 1
        {StatsView::MegaMillionsMain, 26, 2},     // 2.5
        {StatsView::PowerballMain, 6554, 618},    // five balls a draw pass 16 bits here
        {StatsView::MegaMillionsMain, 32767, 3151}};
    for (const auto& [view, draws, expected] : cases)
        EXPECT_EQ(expectedTimesDrawn(view, draws), expected) << draws;
}

TEST(BallInfoFacts, CoverEveryStoredDrawOfTheViewsBalls) {
    const std::vector<DrawRecord> draws = {
        draw({7, 12, 25, 33, 41}, 9, 5), draw({1, 2, 3, 4, 5}, 7, 9), draw({6, 7, 8, 9, 10}, 1, 12),
        draw({8, 18, 28, 38, 48}, 42, 19)};
    using Facts = std::tuple<int, QString, std::optional<int>>;
    auto facts = [&](StatsView view, int ball) {
        const BallInformation info = ballInformation(draws, view, ball);
        EXPECT_EQ(info.timesExpected, 1);
        return Facts{info.timesDrawn, info.dateLastDrawn, info.drawsSince};
    };
    EXPECT_EQ(facts(StatsView::PowerballMain, 7), Facts(2, "12 JUL 2003", 1));
    EXPECT_EQ(facts(StatsView::PowerballMain, 48), Facts(1, "19 JUL 2003", 0));
    EXPECT_EQ(facts(StatsView::PowerballMain, 53), Facts(0, "", std::nullopt));
    EXPECT_EQ(facts(StatsView::Powerball, 7), Facts(1, "9 JUL 2003", 2));
    EXPECT_EQ(facts(StatsView::MegaMillionsMain, 42), Facts(0, "", std::nullopt));
}

// The shipped real histories, counted again here straight from their CSV sources.
class StatsShippedHistory
    : public ::testing::TestWithParam<std::tuple<const char*, StatsView, StatsView>> {};

TEST_P(StatsShippedHistory, MatchesTheSourceData) {
    const auto& [csvName, mainView, bonusView] = GetParam();
    QFile csv(QStringLiteral(NUMBRAVA_SOURCE_DIR "/data/") + csvName);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly | QIODevice::Text));
    csv.readLine(); // header
    std::map<int, int> mainCounts, bonusCounts;
    while (!csv.atEnd()) {
        const QStringList f = QString::fromLatin1(csv.readLine()).trimmed().split(',');
        for (int i = 1; i <= 5 && f.size() == 7; ++i)
            ++mainCounts[f[i].toInt()];
        if (f.size() == 7)
            ++bonusCounts[f[6].toInt()];
    }
    const QString folder = QStringLiteral(NUMBRAVA_BIN_DIR "/../demo");
    const DrawStatistics mainStats = readDrawStatistics(folder, mainView, 0);
    const DrawStatistics bonusStats = readDrawStatistics(folder, bonusView, 0);
    for (int ball : {1, 7, 23, 42}) {
        EXPECT_EQ(mainStats.counts.at(ball - 1), mainCounts[ball]) << ball;
        EXPECT_EQ(bonusStats.counts.at(ball - 1), bonusCounts[ball]) << ball;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, StatsShippedHistory,
    ::testing::Values(std::tuple("powerball-2002-2005.csv", StatsView::PowerballMain,
                                 StatsView::Powerball),
                      std::tuple("megamillions-2002-2005.csv", StatsView::MegaMillionsMain,
                                 StatsView::MegaMillionsMegaBall)));
