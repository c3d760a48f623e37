#include "data/draw_history_file.h"
#include "history/history_check.h"

#include <QFile>
#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace numbrava;

namespace {
DrawRecord draw(std::array<std::int16_t, 5> balls, int bonus) {
    DrawRecord d;
    d.day = 5;
    d.month = 7;
    d.year = 2003;
    d.balls = balls;
    d.bonus = static_cast<std::int16_t>(bonus);
    return d;
}

struct LineCase {
    GameCode game;
    EntryLine line;
    const char* listed; // after the heading; nullptr: nothing
    int category;       // its total becomes 1
};
class OneLineOneDraw : public ::testing::TestWithParam<LineCase> {};
} // namespace

TEST_P(OneLineOneDraw, ListsAndTotalsTheWin) {
    const LineCase& c = GetParam();
    HistoryCheck run(c.game, {c.line}, {draw({1, 2, 3, 10, 20}, 7)});
    run.checkAll();
    EXPECT_EQ(run.pages().page(0),
              QStringList{"05 JUL  2003"} + (c.listed ? QStringList{c.listed} : QStringList{}));
    for (int category = 1; category <= kPrizeCategories; ++category)
        EXPECT_EQ(run.total(category), category == c.category ? 1 : 0) << category;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Categories, OneLineOneDraw, ::testing::Values(
    LineCase{Powerball,    {{1, 2, 3, 4, 5}, 7},      "01 02 03 04 05 07 Match 3+PB", 5},
    LineCase{MegaMillions, {{20, 10, 3, 2, 1}, 7},    "20 10 03 02 01 07 Match 5+MB", 1},
    LineCase{Powerball,    {{30, 31, 32, 33, 34}, 7}, "30 31 32 33 34 07 Match PB", 9},
    LineCase{MegaMillions, {{30, 31, 32, 33, 34}, 7}, "30 31 32 33 34 07 Match MB", 9},
    LineCase{Powerball,    {{1, 2, 33, 34, 35}, 8},   nullptr, 0},
    // A repeated number counts once for every drawn ball it equals.
    LineCase{Powerball,    {{1, 1, 2, 40, 41}, 9},    "01 01 02 40 41 09 Match 3", 6}));
// clang-format on

TEST(HistoryPaging, The32731stCountedLineStartsPageOne) {
    const EntryLine win{{1, 2, 3, 4, 5}, 7};
    HistoryCheck run(Powerball, std::vector<EntryLine>(32730, win), {draw({1, 2, 3, 4, 5}, 7)});
    run.checkAll();
    EXPECT_EQ(run.pages().page(0).size(), 32730);
    EXPECT_EQ(run.pages().page(1), QStringList{"01 02 03 04 05 07 Match 5+PB"});
    EXPECT_EQ(run.pages().pagesFilled(), 1);
}

// The popcount path must count as the pairs do. Each line is matched on its
// own, so distinct numbers take the fast path and repeats or numbers outside
// 0..63 the pair by pair one.
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
    int fastPath = 0;
    for (int d = 0; d < 4000; ++d) {
        const EntryLine line{numbers(), static_cast<std::int16_t>(number(random) % 3)};
        const CheckDraw drawn{numbers(), static_cast<std::int16_t>(number(random) % 3)};
        const std::set<int> distinct(line.numbers.begin(), line.numbers.end());
        fastPath += distinct.size() == 5 && *distinct.begin() >= 0 && *distinct.rbegin() < 64;
        LineMatcher({line}).match(drawn, [&](size_t, int category) {
            EXPECT_EQ(category, prizeCategoryOf(line, drawn)) << d;
        });
    }
    EXPECT_GT(fastPath, 1000);
}

namespace {
// The totals by a plain reading of the CSV the shipped history is made from.
std::array<long long, 10> totalsFromCsv(const QString& csv, const std::vector<EntryLine>& lines) {
    std::array<long long, 10> totals{};
    QFile file(csv);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    file.readLine();
    while (!file.atEnd()) {
        const QList<QByteArray> f = file.readLine().trimmed().split(',');
        const std::set<int> drawn = {f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt(),
                                     f[5].toInt()};
        for (const EntryLine& line : lines) {
            int m = 0;
            for (auto n : line.numbers)
                m += static_cast<int>(drawn.count(n));
            const bool b = line.bonus == f[6].toInt();
            const int c = m >= 3 ? (5 - m) * 2 + (b ? 1 : 2) : !b ? 0 : m == 2 ? 7 : m == 1 ? 8 : 9;
            ++totals[static_cast<size_t>(c)];
        }
    }
    return totals;
}
class ShippedHistories : public ::testing::TestWithParam<GameCode> {};
} // namespace

TEST_P(ShippedHistories, TotalsMatchAnIndependentCount) {
    const bool pb = GetParam() == Powerball;
    const std::vector<EntryLine> lines = {{{9, 10, 38, 42, 43}, 5},  {{4, 28, 39, 41, 44}, 9},
                                          {{1, 2, 3, 4, 5}, 1},      {{11, 22, 33, 44, 52}, 17},
                                          {{7, 14, 21, 28, 35}, 30}, {{15, 18, 25, 33, 47}, 30}};
    HistoryCheck run(GetParam(), lines,
                     DrawHistoryFile::readAllDraws(QStringLiteral(NUMBRAVA_BIN_DIR "/../demo/") +
                                                   (pb ? "pbk.rtl" : "million.rtl")));
    run.checkAll();
    const auto expected =
        totalsFromCsv(QStringLiteral(NUMBRAVA_SOURCE_DIR "/data/") +
                          (pb ? "powerball-2002-2005.csv" : "megamillions-2002-2005.csv"),
                      lines);
    long long wins = 0;
    for (int c = 1; c <= kPrizeCategories; ++c) {
        EXPECT_EQ(run.total(c), expected[static_cast<size_t>(c)]) << c;
        wins += run.total(c);
    }
    EXPECT_GT(wins, 20);
    EXPECT_EQ(run.drawCount(), pb ? 302 : 324);
}

INSTANTIATE_TEST_SUITE_P(Both, ShippedHistories, ::testing::Values(Powerball, MegaMillions));
