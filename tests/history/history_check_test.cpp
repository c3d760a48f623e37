#include "history/history_check.h"
#include "main/draw_check.h"

#include <gtest/gtest.h>

using namespace numbrava;

TEST(HistoryCheck, ListsAndTotalsTheWinOfEachLineInPagesOf32730) {
    // The line, what is listed after the heading (nullptr: nothing), the category totalled.
    const std::tuple<GameCode, EntryLine, const char*, int> cases[] = {
        {Powerball, {{1, 2, 3, 4, 5}, 7}, "01 02 03 04 05 07 Match 3+PB", 5},
        {MegaMillions, {{20, 10, 3, 2, 1}, 7}, "20 10 03 02 01 07 Match 5+MB", 1},
        {Powerball, {{30, 31, 32, 33, 34}, 7}, "30 31 32 33 34 07 Match PB", 9},
        {Powerball, {{1, 2, 33, 34, 35}, 8}, nullptr, 0},
        // Repeated or out-of-range numbers: each counts once for every drawn ball it equals.
        {Powerball, {{1, 1, 2, 40, 41}, 9}, "01 01 02 40 41 09 Match 3", 6},
        {Powerball, {{1, 2, 3, 64, 99}, 7}, "01 02 03 64 99 07 Match 3+PB", 5}};
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
    const EntryLine win{{1, 2, 3, 4, 5}, 7};
    HistoryCheck run(Powerball, std::vector<EntryLine>(32730, win),
                     {{.day = 5, .month = 7, .year = 2003, .balls = win.numbers, .bonus = 7}});
    run.checkAll();
    EXPECT_EQ(run.pages().page(0).size(), 32730);
    EXPECT_EQ(run.pages().page(1), QStringList{"01 02 03 04 05 07 Match 5+PB"});
    EXPECT_EQ(run.pages().pagesFilled(), 1);
}

// 5/70 lines holding 64 to 70 win by the numbers they share with a draw, counted here one by one.
TEST(HistoryCheck, FiveOfSeventyLinesPastSixtyThreeWinWhatTheirSharedNumbersGive) {
    std::vector<EntryLine> lines;
    for (std::int16_t a = 60; a <= 65; ++a)
        for (std::int16_t b = 1; b <= 24; b += 3)
            lines.push_back({{a, std::int16_t(a + 1), 67, std::int16_t(69 + b % 2), b},
                             std::int16_t(b % 5 + 1)});
    const std::vector<DrawRecord> draws = {{.balls = {61, 62, 67, 69, 70}, .bonus = 2},
                                           {.balls = {1, 64, 65, 67, 69}, .bonus = 5},
                                           {.balls = {4, 10, 63, 66, 68}, .bonus = 1}};
    const int withBonus[] = {9, 8, 7, 5, 3, 1}, without[] = {0, 0, 0, 6, 4, 2};
    std::array<long long, 10> counted{}, checked{};
    for (const DrawRecord& d : draws) {
        for (const EntryLine& line : lines) {
            int shared = 0;
            for (std::int16_t n : line.numbers)
                shared += static_cast<int>(std::ranges::count(d.balls, n));
            ++counted[(line.bonus == d.bonus ? withBonus : without)[shared]];
        }
        for (const WinningLine& w :
             checkLines(MegaMillions70, lines, CheckDraw::fromRecord(d), {}).winners)
            ++checked[w.category];
    }
    HistoryCheck run(MegaMillions70, lines, draws);
    run.checkAll();
    for (int c = 1; c <= kPrizeCategories; ++c)
        EXPECT_EQ(std::pair(run.total(c), checked[c]), std::pair(counted[c], counted[c])) << c;
}
