#include "data/entry_file.h"
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
    int category;      // 0: no win
    const char* label; // closes the winning line as listed
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
        EXPECT_EQ(winningLineText(c.game, c.line, c.category),
                  entryDisplayLine(c.game, c.line) + QLatin1Char(' ') + QLatin1String(c.label));
}

constexpr GameCode PB = Powerball;
constexpr GameCode MM = MegaMillions;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EveryCategoryAndTheMisses, LineAgainstDraw,
    ::testing::Values(
        MatchCase{"five_and_bonus",        PB, {{5, 12, 25, 33, 41}, 7}, 1, "(5+PB)"},
        MatchCase{"five_in_other_order",   PB, {{41, 33, 25, 12, 5}, 7}, 1, "(5+PB)"},
        MatchCase{"five",                  PB, {{5, 12, 25, 33, 41}, 8}, 2, "(5)"},
        MatchCase{"four_and_bonus",        PB, {{5, 12, 25, 33, 44}, 7}, 3, "(4+PB)"},
        MatchCase{"four",                  PB, {{5, 12, 25, 33, 44}, 9}, 4, "(4)"},
        MatchCase{"three_and_bonus",       PB, {{5, 12, 25, 40, 44}, 7}, 5, "(3+PB)"},
        MatchCase{"three",                 PB, {{5, 12, 25, 40, 44}, 9}, 6, "(3)"},
        MatchCase{"two_and_bonus",         PB, {{5, 12, 30, 40, 44}, 7}, 7, "(2+PB)"},
        MatchCase{"one_and_bonus",         PB, {{1, 12, 30, 40, 44}, 7}, 8, "(1+PB)"},
        MatchCase{"bonus_only",            PB, {{1, 2, 3, 4, 6}, 7},     9, "(PB)"},
        MatchCase{"two",                   PB, {{5, 12, 30, 40, 44}, 9}, 0, ""},
        MatchCase{"one",                   PB, {{5, 1, 30, 40, 44}, 9},  0, ""},
        MatchCase{"nothing",               PB, {{1, 2, 3, 4, 6}, 9},     0, ""},
        // The bonus counts only against the drawn bonus, never a main ball.
        MatchCase{"bonus_equals_a_drawn_main_ball", PB, {{1, 2, 3, 4, 6}, 41}, 0, ""},
        MatchCase{"three_and_bonus_equal_to_main_ball", PB, {{5, 12, 25, 40, 44}, 33}, 6, "(3)"},
        // A main number equal to the drawn bonus is no main match either.
        MatchCase{"main_number_equal_to_drawn_bonus", PB, {{7, 12, 30, 40, 44}, 9}, 0, ""},
        MatchCase{"mega_jackpot",          MM, {{5, 12, 25, 33, 41}, 7}, 1, "(5+MB)"},
        MatchCase{"mega_four_and_bonus",   MM, {{5, 12, 25, 33, 44}, 7}, 3, "(4+MB)"},
        MatchCase{"mega_five",             MM, {{5, 12, 25, 33, 41}, 1}, 2, "(5)"},
        MatchCase{"mega_bonus_only",       MM, {{1, 2, 3, 4, 6}, 7},     9, "(MB)"}),
    [](const ::testing::TestParamInfo<MatchCase>& info) { return info.param.name; });
// clang-format on

TEST(Matching, CountsPairsSoARepeatedNumberCountsEachTime) {
    EXPECT_EQ(mainNumbersMatched(EntryLine{{5, 5, 1, 2, 3}, 0}, kDraw), 2);
    EXPECT_EQ(mainNumbersMatched(EntryLine{{5, 12, 25, 33, 41}, 0}, kDraw), 5);
    EXPECT_EQ(mainNumbersMatched(EntryLine{{6, 13, 26, 34, 42}, 0}, kDraw), 0);
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
