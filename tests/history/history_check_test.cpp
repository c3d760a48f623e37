#include "data/draw_history_file.h"
#include "history/history_check.h"
#include "history/history_texts.h"

#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace numbrava;

namespace {
DrawRecord draw(int day, int month, int year, std::array<std::int16_t, 5> balls, int bonus) {
    DrawRecord d;
    d.day = static_cast<std::int16_t>(day);
    d.month = static_cast<std::int16_t>(month);
    d.year = static_cast<std::int16_t>(year);
    d.balls = balls;
    d.bonus = static_cast<std::int16_t>(bonus);
    return d;
}

struct LineCase {
    const char* name;
    GameCode game;
    EntryLine line;
    QStringList listed; // page 0 after the heading
    int category;       // its total becomes 1; 0: no total moves
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class OneLineOneDraw : public ::testing::TestWithParam<LineCase> {};
} // namespace

TEST_P(OneLineOneDraw, ListsAndTotalsTheWin) {
    const LineCase& c = GetParam();
    HistoryCheck run(c.game, {c.line}, {draw(5, 7, 2003, {1, 2, 3, 10, 20}, 7)});
    run.checkAll();
    EXPECT_EQ(run.pages().page(0), QStringList{"05 JUL  2003"} + c.listed);
    for (int category = 1; category <= kPrizeCategories; ++category)
        EXPECT_EQ(run.total(category), category == c.category ? 1 : 0) << category;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Categories, OneLineOneDraw,
    ::testing::Values(
        LineCase{"three_and_pb", Powerball, {{1, 2, 3, 4, 5}, 7}, {"01 02 03 04 05 07 Match 3+PB"}, 5},
        LineCase{"five_and_mb", MegaMillions, {{20, 10, 3, 2, 1}, 7}, {"20 10 03 02 01 07 Match 5+MB"}, 1},
        LineCase{"four", Powerball, {{1, 2, 3, 10, 44}, 8}, {"01 02 03 10 44 08 Match 4"}, 4},
        LineCase{"pb_only", Powerball, {{30, 31, 32, 33, 34}, 7}, {"30 31 32 33 34 07 Match PB"}, 9},
        LineCase{"mb_only", MegaMillions, {{30, 31, 32, 33, 34}, 7}, {"30 31 32 33 34 07 Match MB"}, 9},
        LineCase{"two_without_bonus", Powerball, {{1, 2, 33, 34, 35}, 8}, {}, 0},
        // A repeated number counts once per drawn ball it equals.
        LineCase{"repeated_number", Powerball, {{1, 1, 2, 40, 41}, 9}, {"01 01 02 40 41 09 Match 3"}, 6}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return info.param.name; });
// clang-format on

TEST(HistoryTexts, TotalLabelsOfBothGames) {
    QStringList pb, mb;
    for (int c = 1; c <= kPrizeCategories; ++c) {
        pb << historyTotalLabel(Powerball, c);
        mb << historyTotalLabel(MegaMillions, c);
    }
    EXPECT_EQ(pb, (QStringList{"Match 5 + PB", "Match 5", "Match 4 + PB", "Match 4", "Match 3 + PB",
                               "Match 3", "Match 2 + PB", "Match 1 + PB", "Match PB"}));
    EXPECT_EQ(mb.first(), "Match 5 + MB");
    EXPECT_EQ(mb.last(), "Match MB");
    EXPECT_EQ(historyStatusLine(" 25", 40), "Check  25 entries against  40 results.");
}

TEST(DrawPeriodOf, TakesTheDrawsFromStartToEndInclusive) {
    const std::vector<DrawRecord> draws = {draw(2, 1, 2003, {}, 0), draw(5, 1, 2003, {}, 0),
                                           draw(5, 1, 2003, {}, 0), draw(9, 1, 2003, {}, 0)};
    struct Case {
        long long start, end;
        size_t first, end_;
    };
    const Case cases[] = {{20030101, 20031231, 0, 4}, {20030105, 20030105, 1, 3},
                          {20030103, 20030108, 1, 3}, {20030110, 20031231, 4, 4},
                          {20020101, 20030101, 0, 0}, {20030102, 20030102, 0, 1}};
    for (const Case& c : cases) {
        const DrawPeriod p = drawPeriod(draws, c.start, c.end);
        EXPECT_EQ(p.first, c.first) << c.start << ".." << c.end;
        EXPECT_EQ(p.end, c.end_) << c.start << ".." << c.end;
    }
    EXPECT_TRUE(drawPeriod(draws, 20030110, 20031231).empty());
}

// Page limit 3: the heading and two lines fill page 0; the next counted
// line starts page 1.
TEST(HistoryPaging, LineAfterALimitStartsTheNextPageUntilAllFourAreFull) {
    const std::vector<EntryLine> winners(2, EntryLine{{1, 2, 3, 4, 5}, 7});
    std::vector<DrawRecord> draws;
    for (int d = 1; d <= 5; ++d)
        draws.push_back(draw(d, 1, 2003, {1, 2, 3, 4, 5}, 7));
    HistoryCheck run(Powerball, winners, draws, 3);
    run.checkNextDraw();
    EXPECT_EQ(run.pages().currentPage(), 0);
    EXPECT_EQ(run.pages().pagesFilled(), 0);
    run.checkNextDraw();
    EXPECT_EQ(run.pages().currentPage(), 1);
    EXPECT_EQ(run.pages().pagesFilled(), 1);
    EXPECT_EQ(run.pages().page(1).first(), "02 JAN  2003");
    run.checkAll();
    EXPECT_TRUE(run.pages().full());
    for (int p = 0; p < HistoryPages::kPageCount; ++p)
        EXPECT_EQ(run.pages().page(p).size(), 3) << p;
    // The totals are complete beyond the listing.
    EXPECT_EQ(run.total(1), 10);
}

TEST(HistoryPaging, The32731stCountedLineStartsPageOne) {
    const EntryLine win{{1, 2, 3, 4, 5}, 7};
    HistoryCheck run(Powerball, std::vector<EntryLine>(32730, win),
                     {draw(5, 7, 2003, {1, 2, 3, 4, 5}, 7)});
    run.checkAll();
    EXPECT_EQ(run.pages().page(0).size(), 32730);
    EXPECT_EQ(run.pages().page(1), QStringList{"01 02 03 04 05 07 Match 5+PB"});
    EXPECT_EQ(run.pages().pagesFilled(), 1);
}

// The popcount path must count exactly as the pairs do. Each line is matched
// on its own so that lines of distinct numbers take the fast path and the
// others (repeats, negatives, over 63) the pair by pair one.
TEST(LineMatching, FastPathAgreesWithPairCounting) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> number(-1, 66);
    auto numbers = [&] {
        std::array<std::int16_t, 5> n{};
        for (auto& x : n)
            x = static_cast<std::int16_t>(number(random) % 10 == 0 ? number(random)
                                                                   : number(random) % 16);
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
struct ShippedHistory {
    GameCode game;
    const char* rtl;
    const char* csv;
};

// The totals by a plain reading of the CSV the shipped history was made from.
std::array<long long, 10> totalsFromCsv(const QString& csv, const std::vector<EntryLine>& lines) {
    std::array<long long, 10> totals{};
    QFile file(csv);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QTextStream in(&file);
    in.readLine();
    while (!in.atEnd()) {
        const QStringList f = in.readLine().split(',');
        if (f.size() < 7)
            continue;
        std::set<int> drawn;
        for (int k = 1; k <= 5; ++k)
            drawn.insert(f[k].toInt());
        for (const EntryLine& line : lines) {
            int m = 0;
            for (auto n : line.numbers)
                m += static_cast<int>(drawn.count(n));
            const bool b = line.bonus == f[6].toInt();
            const int c = m == 5   ? (b ? 1 : 2)
                          : m == 4 ? (b ? 3 : 4)
                          : m == 3 ? (b ? 5 : 6)
                          : !b     ? 0
                                   : (m == 2   ? 7
                                      : m == 1 ? 8
                                               : 9);
            ++totals[static_cast<size_t>(c)];
        }
    }
    return totals;
}

class ShippedHistories : public ::testing::TestWithParam<ShippedHistory> {};
} // namespace

TEST_P(ShippedHistories, TotalsMatchAnIndependentCount) {
    const ShippedHistory& h = GetParam();
    const std::vector<EntryLine> lines = {{{9, 10, 38, 42, 43}, 5},  {{4, 28, 39, 41, 44}, 9},
                                          {{1, 2, 3, 4, 5}, 1},      {{11, 22, 33, 44, 52}, 17},
                                          {{7, 14, 21, 28, 35}, 30}, {{15, 18, 25, 33, 47}, 30}};
    HistoryCheck run(
        h.game, lines,
        DrawHistoryFile::readAllDraws(QStringLiteral(NUMBRAVA_BIN_DIR "/../demo/") + h.rtl));
    run.checkAll();
    const auto expected =
        totalsFromCsv(QStringLiteral(NUMBRAVA_SOURCE_DIR "/data/") + h.csv, lines);
    long long wins = 0;
    for (int c = 1; c <= kPrizeCategories; ++c) {
        EXPECT_EQ(run.total(c), expected[static_cast<size_t>(c)]) << c;
        wins += run.total(c);
    }
    EXPECT_GT(wins, 20);
    EXPECT_EQ(run.drawCount(), h.game == Powerball ? 302 : 324);
}

INSTANTIATE_TEST_SUITE_P(
    Both, ShippedHistories,
    ::testing::Values(ShippedHistory{Powerball, "pbk.rtl", "powerball-2002-2005.csv"},
                      ShippedHistory{MegaMillions, "million.rtl", "megamillions-2002-2005.csv"}));
