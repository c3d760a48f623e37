#include "analysis/ball_info.h"
#include "analysis/stats_counts.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>

using namespace numbrava;

namespace {
DrawRecord draw(std::array<std::int16_t, 5> balls, int bonus, int day = 5) {
    return {0, 0, static_cast<std::int16_t>(day), 7, 2003, balls, static_cast<std::int16_t>(bonus)};
}

std::vector<int> balls(int from, int to, std::vector<int> after = {}) {
    std::vector<int> v(static_cast<size_t>(to - from + 1));
    std::iota(v.begin(), v.end(), from);
    v.insert(v.end(), after.begin(), after.end());
    return v;
}
} // namespace

TEST(StatsCounts, CountTheMostRecentDrawsAndSkipBallsOutOfRange) {
    std::vector<DrawRecord> ten; // the bonus of draw k is k, so each counted draw shows
    for (int k = 1; k <= 10; ++k)
        ten.push_back(draw({}, k));
    // Typed, too many asked, the oldest draw counted (11: none).
    const std::tuple<const char*, bool, int> cases[] = {{"10", false, 1},     {"11", true, 1},
                                                        {"3", false, 8},      {"40000", true, 1},
                                                        {"-40000", false, 1}, {"", false, 11}};
    for (const auto& [typed, tooMany, firstCounted] : cases) {
        SCOPED_TRACE(typed);
        const DrawStatistics stats =
            countBalls(firstCounted > 10 ? std::vector<DrawRecord>{} : ten,
                       statsScope(StatsView::Powerball, {}), lastDrawsFromText(typed));
        EXPECT_EQ(stats.tooManyAsked, tooMany);
        std::vector<int> expected(42, 0);
        std::fill(expected.begin() + firstCounted - 1, expected.begin() + 10, 1);
        EXPECT_EQ(stats.counts, expected);
    }
    // A damaged record may hold 0, 53 or 60; none of them is counted as another ball.
    const std::vector<DrawRecord> draws = {draw({1, 2, 3, 52, 53}, 42),
                                           draw({0, 2, 60, 52, 53}, 7)};
    std::vector<int> expected(52, 0);
    expected[0] = 1, expected[1] = 2, expected[2] = 1, expected[51] = 2;
    EXPECT_EQ(countBalls(draws, statsScope(StatsView::MegaMillionsMain, {}), 0).counts, expected);
    EXPECT_EQ(countBalls(draws, statsScope(StatsView::PowerballMain, {}), 0).counts[52], 2);
}

TEST(StatsRanking, FollowsTheExchangePass) {
    const std::vector<std::pair<std::map<int, int>, std::vector<int>>> cases = {
        {{}, balls(1, 42)},
        {{{42, 1}}, balls(42, 42, balls(2, 41, {1}))},
        {{{5, 5}, {10, 2}, {20, 2}, {30, 2}},
         balls(5, 5,
               {10, 20, 30, 1,  6,  7,  8,  9, 2,  11, 12, 13, 14, 15, 16, 17, 18, 19, 3,  21, 22,
                23, 24, 25, 26, 27, 28, 29, 4, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42})}};
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

TEST(BallInformation, TakesOnlyTheViewsRangeAndCoversEveryStoredDrawOfItsBalls) {
    const QString refusal = QStringLiteral("You must enter a number between 1 and %1");
    const std::vector<std::tuple<StatsView, QString, int, QString>> cases = {
        {StatsView::MegaMillionsMain, "53", 0, refusal.arg(52)},
        {StatsView::PowerballMain, "70000", 0, refusal.arg(53)},
        {StatsView::Powerball, "x", 0, refusal.arg(42)},
        {StatsView::Powerball69Main, "69", 69, "69"},
        {StatsView::MegaMillions70Main, "70", 70, "70"},
        {StatsView::MegaMillions70MegaBall, "25", 0, refusal.arg(24)}, // 1 to 24 in 2026
        {StatsView::Powerball, "2.5", 2, "2.5"}}; // rounded for the ball, as typed for the caption
    for (const auto& [view, typed, ball, shown] : cases) {
        const InfoBallChoice choice = infoBallFromText(statsScope(view, QDate(2026, 8, 10)), typed);
        EXPECT_EQ(choice.ball.value_or(0), ball) << typed.toStdString();
        EXPECT_EQ(ball ? choice.typedNumber : choice.refusal, shown);
    }
    // The times expected round halves to even and never show zero.
    const std::vector<std::tuple<StatsView, int, int>> expectedCases = {
        {StatsView::PowerballMain, 106, 10},       {StatsView::Powerball, 106, 3},
        {StatsView::MegaMillionsMegaBall, 26, 1}, // 0.5 rounds to 0, shown as 1
        {StatsView::MegaMillionsMain, 26, 2},     // 2.5
        {StatsView::PowerballMain, 6554, 618},    // five balls a draw pass 16 bits here
        {StatsView::MegaMillionsMain, 32767, 3151}};
    for (const auto& [view, draws, expected] : expectedCases)
        EXPECT_EQ(expectedTimesDrawn(statsScope(view, {}), draws), expected) << draws;
    const std::vector<DrawRecord> draws = {
        draw({7, 12, 25, 33, 41}, 9, 5), draw({1, 2, 3, 4, 5}, 7, 9), draw({6, 7, 8, 9, 10}, 1, 12),
        draw({8, 18, 28, 38, 48}, 42, 19)};
    using Facts = std::tuple<int, QString, std::optional<int>>;
    auto facts = [&](StatsView view, int ball) {
        const BallInformation info = ballInformation(draws, statsScope(view, {}), ball);
        EXPECT_EQ(info.timesExpected, 1);
        return Facts{info.timesDrawn, info.dateLastDrawn, info.drawsSince};
    };
    EXPECT_EQ(facts(StatsView::PowerballMain, 7), Facts(2, "12 JUL 2003", 1));
    EXPECT_EQ(facts(StatsView::PowerballMain, 48), Facts(1, "19 JUL 2003", 0));
    EXPECT_EQ(facts(StatsView::PowerballMain, 53), Facts(0, "", std::nullopt));
    EXPECT_EQ(facts(StatsView::Powerball, 7), Facts(1, "9 JUL 2003", 2));
    EXPECT_EQ(facts(StatsView::MegaMillionsMain, 42), Facts(0, "", std::nullopt));
}
