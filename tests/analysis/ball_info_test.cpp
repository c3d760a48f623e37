#include "analysis/ball_info.h"

#include <gtest/gtest.h>

using namespace numbrava;

struct ExpectedCase {
    const char* name;
    StatsView view;
    int draws;
    int expected;
};

class BallInfoExpected : public ::testing::TestWithParam<ExpectedCase> {};

TEST_P(BallInfoExpected, RoundsHalvesToEvenAndNeverShowsZero) {
    EXPECT_EQ(expectedTimesDrawn(GetParam().view, GetParam().draws), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BallInfoExpected,
    ::testing::Values(ExpectedCase{"PowerballMain106", StatsView::PowerballMain, 106, 10},
                      ExpectedCase{"Powerball106", StatsView::Powerball, 106, 3},
                      ExpectedCase{"MegaBallHalfToEvenZero", StatsView::MegaMillionsMegaBall, 26,
                                   1},
                      ExpectedCase{"MegaBallHalfToEvenUp", StatsView::MegaMillionsMegaBall, 78, 2},
                      ExpectedCase{"MegaMainHalfToEven", StatsView::MegaMillionsMain, 26, 2},
                      ExpectedCase{"EmptyHistory", StatsView::PowerballMain, 0, 1},
                      // Five balls a draw would overflow 16 bits from 6554 draws on.
                      ExpectedCase{"PowerballMain6554", StatsView::PowerballMain, 6554, 618},
                      ExpectedCase{"MegaMainFullFile", StatsView::MegaMillionsMain, 32767, 3151}),
    [](const auto& info) { return std::string(info.param.name); });

namespace {
DrawRecord draw(int day, int month, int year, std::array<std::int16_t, 5> balls, int bonus) {
    DrawRecord r;
    r.day = static_cast<std::int16_t>(day);
    r.month = static_cast<std::int16_t>(month);
    r.year = static_cast<std::int16_t>(year);
    r.balls = balls;
    r.bonus = static_cast<std::int16_t>(bonus);
    return r;
}

const std::vector<DrawRecord> kDraws = {
    draw(5, 7, 2003, {7, 12, 25, 33, 41}, 9),   draw(9, 7, 2003, {1, 2, 3, 4, 5}, 7),
    draw(12, 7, 2003, {7, 14, 21, 28, 35}, 1),  draw(16, 7, 2003, {6, 16, 26, 36, 46}, 12),
    draw(19, 7, 2003, {8, 18, 28, 38, 48}, 42),
};
} // namespace

struct FactsCase {
    const char* name;
    StatsView view;
    int ball;
    int times;
    QString date;
    std::optional<int> since;
};

class BallInfoFacts : public ::testing::TestWithParam<FactsCase> {};

TEST_P(BallInfoFacts, CoverEveryStoredDraw) {
    const FactsCase& c = GetParam();
    const BallInformation info = ballInformation(kDraws, c.view, c.ball);
    EXPECT_EQ(info.timesDrawn, c.times);
    EXPECT_EQ(info.dateLastDrawn, c.date);
    EXPECT_EQ(info.drawsSince, c.since);
    EXPECT_EQ(info.timesExpected, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BallInfoFacts,
    ::testing::Values(
        FactsCase{"MainTwice", StatsView::PowerballMain, 7, 2, "12 JUL 2003", 2},
        FactsCase{"InLatestDraw", StatsView::PowerballMain, 48, 1, "19 JUL 2003", 0},
        FactsCase{"DayWithoutLeadingZero", StatsView::PowerballMain, 41, 1, "5 JUL 2003", 4},
        FactsCase{"NeverDrawn", StatsView::PowerballMain, 53, 0, "", std::nullopt},
        // The bonus view looks at the bonus ball only, and the main view at the main balls.
        FactsCase{"BonusOnly", StatsView::Powerball, 7, 1, "9 JUL 2003", 3},
        FactsCase{"MainIgnoresBonus", StatsView::MegaMillionsMain, 42, 0, "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });
