#include "analysis/stats_counts.h"
#include "history/history_check.h"

#include <QFile>
#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace numbrava;

TEST(HistoryCheck, ListsAndTotalsTheWinOfEachLineInPagesOf32730) {
    // The line, what is listed after the heading (nullptr: nothing), the category totalled.
    const std::tuple<GameCode, EntryLine, const char*, int> cases[] = {
        {Powerball, {{1, 2, 3, 4, 5}, 7}, "01 02 03 04 05 07 Match 3+PB", 5},
        {MegaMillions, {{20, 10, 3, 2, 1}, 7}, "20 10 03 02 01 07 Match 5+MB", 1},
        {Powerball, {{30, 31, 32, 33, 34}, 7}, "30 31 32 33 34 07 Match PB", 9},
        {Powerball, {{1, 2, 33, 34, 35}, 8}, nullptr, 0},
        // A repeated number counts once for every drawn ball it equals.
        {Powerball, {{1, 1, 2, 40, 41}, 9}, "01 01 02 40 41 09 Match 3", 6}};
    for (const auto& [game, line, listed, category] : cases) {
        SCOPED_TRACE(category);
        HistoryCheck run(
            game, {line},
            {{.day = 5, .month = 7, .year = 2003, .balls = {1, 2, 3, 10, 20}, .bonus = 7}});
        run.checkAll();
        EXPECT_EQ(run.pages().page(0),
                  QStringList{"05 JUL  2003"} + (listed ? QStringList{listed} : QStringList{}));
        for (int c = 1; c <= kPrizeCategories; ++c)
            EXPECT_EQ(run.total(c), c == category ? 1 : 0) << c;
    }
    // The 32731st counted line starts page one.
    const EntryLine win{{1, 2, 3, 4, 5}, 7};
    HistoryCheck run(Powerball, std::vector<EntryLine>(32730, win),
                     {{.day = 5, .month = 7, .year = 2003, .balls = win.numbers, .bonus = 7}});
    run.checkAll();
    EXPECT_EQ(run.pages().page(0).size(), 32730);
    EXPECT_EQ(run.pages().page(1), QStringList{"01 02 03 04 05 07 Match 5+PB"});
    EXPECT_EQ(run.pages().pagesFilled(), 1);
}

// The popcount path must agree with pairs: distinct numbers in 0..63 take it, others pair by pair.
TEST(LineMatching, FastPathAgreesWithPairCounting) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> number(-1, 66);
    auto numbers = [&] {
        std::array<std::int16_t, 5> n{};
        for (auto& x : n)
            x = static_cast<std::int16_t>(number(random) % 10 ? number(random) % 16
                                                              : number(random));
        return n;
    };
    auto masked = [](const std::array<std::int16_t, 5>& n) {
        const std::set<int> distinct(n.begin(), n.end());
        return distinct.size() == 5 && *distinct.begin() >= 0 && *distinct.rbegin() < 64;
    };
    int fastPath = 0;
    for (int d = 0; d < 4000; ++d) {
        const EntryLine line{numbers(), static_cast<std::int16_t>(number(random) % 3)};
        const CheckDraw drawn{numbers(), static_cast<std::int16_t>(number(random) % 3)};
        fastPath += masked(line.numbers) && masked(drawn.main);
        LineMatcher({line}).match(drawn, [&](size_t, int category) {
            EXPECT_EQ(category, prizeCategoryOf(line, drawn)) << d;
        });
    }
    EXPECT_GT(fastPath, 900); // line and draw both masked: the popcount ran
}

class ShippedHistories : public ::testing::TestWithParam<GameCode> {};

TEST_P(ShippedHistories, AgreeWithAnIndependentCountOfTheirSource) {
    const bool pb = GetParam() == Powerball;
    const StatsView mainView = mainViewOf(GetParam());
    const StatsView bonusView = pb ? StatsView::Powerball : StatsView::MegaMillionsMegaBall;
    std::vector<int> mainCounts(statsViewInfo(mainView).range);
    std::vector<int> bonusCounts(statsViewInfo(bonusView).range);
    QFile csv(QStringLiteral(NUMBRAVA_SOURCE_DIR "/data/") +
              (pb ? "powerball-2002-2005.csv" : "megamillions-2002-2005.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly | QIODevice::Text));
    csv.readLine(); // the heading
    while (!csv.atEnd()) {
        const QList<QByteArray> f = csv.readLine().trimmed().split(',');
        for (int i = 1; i <= 5; ++i)
            ++mainCounts.at(f[i].toInt() - 1);
        ++bonusCounts.at(f[6].toInt() - 1);
    }
    const QString demo = QStringLiteral(NUMBRAVA_BIN_DIR "/../demo");
    EXPECT_EQ(readDrawStatistics(demo, mainView, 0).counts, mainCounts);
    EXPECT_EQ(readDrawStatistics(demo, bonusView, 0).counts, bonusCounts);
}

INSTANTIATE_TEST_SUITE_P(Both, ShippedHistories, ::testing::Values(Powerball, MegaMillions));
