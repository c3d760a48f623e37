#include "main/draw_check.h"
#include "payouts/prize_category.h"

#include <gtest/gtest.h>

using namespace numbrava;

namespace {
const CheckDraw kDraw{{5, 12, 25, 33, 41}, 7};

struct MatchCase {
    const char* name;
    GameCode game;
    EntryLine line;
    int category;     // 0: no win
    const char* text; // the winning line as listed; empty for no win
};

void PrintTo(const MatchCase& c, std::ostream* os) {
    *os << c.name;
}

class LineAgainstDraw : public ::testing::TestWithParam<MatchCase> {};
} // namespace

TEST_P(LineAgainstDraw, GetsItsCategoryAndLabel) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(prizeCategoryOf(c.line, kDraw), c.category);
    if (c.category != 0)
        EXPECT_EQ(winningLineText(c.game, c.line, c.category), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    EveryCategoryAndTheMisses, LineAgainstDraw,
    ::testing::Values(
        MatchCase{"five_and_bonus",
                  Powerball,
                  {{5, 12, 25, 33, 41}, 7},
                  1,
                  "05 12 25 33 41 PB 07 (5+PB)"},
        MatchCase{"five_in_other_order",
                  Powerball,
                  {{41, 33, 25, 12, 5}, 7},
                  1,
                  "41 33 25 12 05 PB 07 (5+PB)"},
        MatchCase{"five", Powerball, {{5, 12, 25, 33, 41}, 8}, 2, "05 12 25 33 41 PB 08 (5)"},
        MatchCase{"four_and_bonus",
                  Powerball,
                  {{5, 12, 25, 33, 44}, 7},
                  3,
                  "05 12 25 33 44 PB 07 (4+PB)"},
        MatchCase{"four", Powerball, {{5, 12, 25, 33, 44}, 9}, 4, "05 12 25 33 44 PB 09 (4)"},
        MatchCase{"three_and_bonus",
                  Powerball,
                  {{5, 12, 25, 40, 44}, 7},
                  5,
                  "05 12 25 40 44 PB 07 (3+PB)"},
        MatchCase{"three", Powerball, {{5, 12, 25, 40, 44}, 9}, 6, "05 12 25 40 44 PB 09 (3)"},
        MatchCase{
            "two_and_bonus", Powerball, {{5, 12, 30, 40, 44}, 7}, 7, "05 12 30 40 44 PB 07 (2+PB)"},
        MatchCase{
            "one_and_bonus", Powerball, {{1, 12, 30, 40, 44}, 7}, 8, "01 12 30 40 44 PB 07 (1+PB)"},
        MatchCase{"bonus_only", Powerball, {{1, 2, 3, 4, 6}, 7}, 9, "01 02 03 04 06 PB 07 (PB)"},
        MatchCase{"two", Powerball, {{5, 12, 30, 40, 44}, 9}, 0, ""},
        MatchCase{"one", Powerball, {{5, 1, 30, 40, 44}, 9}, 0, ""},
        MatchCase{"nothing", Powerball, {{1, 2, 3, 4, 6}, 9}, 0, ""},
        // The bonus counts only against the drawn bonus, never a main ball.
        MatchCase{"bonus_equals_a_drawn_main_ball", Powerball, {{1, 2, 3, 4, 6}, 41}, 0, ""},
        MatchCase{"three_and_bonus_equal_to_main_ball",
                  Powerball,
                  {{5, 12, 25, 40, 44}, 33},
                  6,
                  "05 12 25 40 44 PB 33 (3)"},
        // A main number equal to the drawn bonus is no main match either.
        MatchCase{"main_number_equal_to_drawn_bonus", Powerball, {{7, 12, 30, 40, 44}, 9}, 0, ""},
        MatchCase{"mega_jackpot",
                  MegaMillions,
                  {{5, 12, 25, 33, 41}, 7},
                  1,
                  "05 12 25 33 41 MB 07 (5+MB)"},
        MatchCase{"mega_four_and_bonus",
                  MegaMillions,
                  {{5, 12, 25, 33, 44}, 7},
                  3,
                  "05 12 25 33 44 MB 07 (4+MB)"},
        MatchCase{
            "mega_five", MegaMillions, {{5, 12, 25, 33, 41}, 1}, 2, "05 12 25 33 41 MB 01 (5)"},
        MatchCase{
            "mega_bonus_only", MegaMillions, {{1, 2, 3, 4, 6}, 7}, 9, "01 02 03 04 06 MB 07 (MB)"}),
    [](const ::testing::TestParamInfo<MatchCase>& info) { return info.param.name; });

TEST(Matching, CountsPairsSoARepeatedNumberCountsEachTime) {
    EXPECT_EQ(mainNumbersMatched(EntryLine{{5, 5, 1, 2, 3}, 0}, kDraw), 2);
    EXPECT_EQ(mainNumbersMatched(EntryLine{{5, 12, 25, 33, 41}, 0}, kDraw), 5);
    EXPECT_EQ(mainNumbersMatched(EntryLine{{6, 13, 26, 34, 42}, 0}, kDraw), 0);
}

TEST(Matching, NoCategoryOutsideTheTable) {
    EXPECT_EQ(prizeCategory(2, false), 0);
    EXPECT_EQ(prizeCategory(6, true), 0);
    EXPECT_EQ(winningLabel(Powerball, 0), QString());
    EXPECT_EQ(winningLabel(Powerball, 10), QString());
}

TEST(Matching, PayoutLabelsOfBothGames) {
    const char* pb[] = {"(5+PB)", "(5+0)",  "(4+PB)", "(4+0)", "(3+PB)",
                        "(3+0)",  "(2+PB)", "(1+PB)", "(0+PB)"};
    const char* mb[] = {"(5+MB)", "(5+0)",  "(4+MB)", "(4+0)", "(3+MB)",
                        "(3+0)",  "(2+MB)", "(1+MB)", "(0+MB)"};
    for (int c = 1; c <= kPrizeCategories; ++c) {
        EXPECT_EQ(payoutCategoryLabel(Powerball, c), QString::fromLatin1(pb[c - 1])) << c;
        EXPECT_EQ(payoutCategoryLabel(MegaMillions, c), QString::fromLatin1(mb[c - 1])) << c;
    }
}

TEST(CheckTotals, AddsTheAmountsOfEveryWinAndCountsJackpots) {
    PayoutTable table;
    const std::int32_t amounts[] = {0, 1000, 500, 100, 100, 7, 7, 4, 3};
    for (int c = 1; c <= 9; ++c)
        table.setAmount(c, amounts[c - 1]);
    const std::vector<EntryLine> lines = {{{5, 12, 25, 40, 44}, 9},  // (3): 7
                                          {{1, 2, 3, 4, 6}, 9},      // nothing
                                          {{1, 2, 3, 4, 6}, 7},      // (PB): 3
                                          {{5, 12, 25, 33, 41}, 7},  // jackpot: 0
                                          {{5, 12, 25, 33, 41}, 7}}; // jackpot again
    const CheckResult r = checkLines(Powerball, lines, kDraw, table);
    ASSERT_EQ(r.winCount(), 4);
    EXPECT_EQ(r.winners[0].row, 0);
    EXPECT_EQ(r.winners[1].row, 2);
    EXPECT_EQ(r.winners[3].row, 4);
    EXPECT_EQ(r.total, 10);
    EXPECT_EQ(r.jackpotLines, 2);
}

TEST(CheckTotals, ASumBeyondThirtyTwoBitsStaysExactAndIsWrittenWithoutExponent) {
    PayoutTable table;
    table.setAmount(9, 2147483647);
    const std::vector<EntryLine> lines(32767, EntryLine{{1, 2, 3, 4, 6}, 7});
    const CheckResult r = checkLines(Powerball, lines, kDraw, table);
    EXPECT_EQ(r.total, 2147483647LL * 32767);
    PayoutLookUp payouts;
    payouts.defaultUsed = true;
    EXPECT_EQ(checkReport(r, payouts),
              QStringLiteral("Won $70366596661249 using default payout data."));
}
