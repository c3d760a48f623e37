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

// Lines of Mega Millions 5/70 holding numbers past 63, against draws that hold them too: the check
// of one draw and the history check count what a count of shared numbers gives.
TEST(HistoryCheck, FiveOfSeventyLinesPastSixtyThreeWinWhatTheirSharedNumbersGive) {
    std::vector<EntryLine> lines;
    for (std::int16_t a = 60; a <= 66; ++a)
        for (std::int16_t b = 1; b <= 24; b += 3)
            lines.push_back({{a, static_cast<std::int16_t>(a + 1), 67,
                              static_cast<std::int16_t>(b % 2 ? 69 : 70), b},
                             static_cast<std::int16_t>(b % 5 + 1)});
    const std::vector<DrawRecord> draws = {
        {.day = 1, .month = 5, .year = 2026, .balls = {61, 62, 67, 69, 70}, .bonus = 2},
        {.day = 5, .month = 5, .year = 2026, .balls = {1, 64, 65, 67, 69}, .bonus = 5},
        {.day = 8, .month = 5, .year = 2026, .balls = {4, 10, 63, 66, 68}, .bonus = 1}};
    // Category by shared numbers and bonus, as the prize table reads.
    const auto category = [](int shared, bool bonus) {
        const int withBonus[] = {9, 8, 7, 5, 3, 1}, without[] = {0, 0, 0, 6, 4, 2};
        return bonus ? withBonus[shared] : without[shared];
    };
    std::array<long long, 10> totals{};
    for (const DrawRecord& d : draws) {
        std::vector<int> winners;
        for (size_t i = 0; i < lines.size(); ++i) {
            int shared = 0;
            for (std::int16_t n : lines[i].numbers)
                shared += static_cast<int>(std::count(d.balls.begin(), d.balls.end(), n));
            const int c = category(shared, lines[i].bonus == d.bonus);
            ++totals[static_cast<size_t>(c)];
            if (c)
                winners.push_back(static_cast<int>(i) * 10 + c);
        }
        std::vector<int> checked;
        for (const WinningLine& w :
             checkLines(MegaMillions70, lines, CheckDraw::fromRecord(d), PayoutTable{}).winners)
            checked.push_back(w.row * 10 + w.category);
        EXPECT_EQ(checked, winners) << d.day;
    }
    HistoryCheck run(MegaMillions70, lines, draws);
    run.checkAll();
    for (int c = 1; c <= kPrizeCategories; ++c)
        EXPECT_EQ(run.total(c), totals[static_cast<size_t>(c)]) << c;
    EXPECT_GT(totals[1] + totals[3] + totals[4], 0); // the lines reach the high categories
}
