#include "analysis/optimizer.h"

#include <gtest/gtest.h>

using namespace numbrava;

namespace {

struct RangeCase {
    const char* text;
    int drawCount;
    const char* refusal; // nullptr: accepted
    int firstRecord;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << '"' << c.text << "\" of " << c.drawCount;
}

const char* const kOutside = "Your entry is outside the permitted draw range";

class StudiedRangeOf : public ::testing::TestWithParam<RangeCase> {};

TEST_P(StudiedRangeOf, PicksTheLatestDrawsOrRefuses) {
    const RangeCase& c = GetParam();
    const StudiedRange range = studiedRange(QString::fromLatin1(c.text), c.drawCount);
    EXPECT_EQ(range.refusal, c.refusal ? QString::fromLatin1(c.refusal) : QString());
    if (!c.refusal)
        EXPECT_EQ(range.firstRecord, c.firstRecord);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StudiedRangeOf,
    ::testing::Values(
        RangeCase{"5", 0, "There are no draws in the history file, this process cannot be run."},
        RangeCase{"0", 10, kOutside}, RangeCase{"11", 10, kOutside}, RangeCase{"0.9", 10, kOutside},
        RangeCase{"ten", 10, kOutside}, RangeCase{"10.5", 10, kOutside},
        RangeCase{"10", 10, nullptr, 1}, RangeCase{"1", 10, nullptr, 10},
        RangeCase{" 3 draws", 10, nullptr, 8},
        // The draws before the last one are rounded, halves to even.
        RangeCase{"2.5", 10, nullptr, 8}, RangeCase{"3.5", 10, nullptr, 8},
        RangeCase{"1.4", 10, nullptr, 10}));

DrawRecord draw(std::array<std::int16_t, 5> balls, std::int16_t bonus) {
    DrawRecord r;
    r.balls = balls;
    r.bonus = bonus;
    return r;
}

TEST(PairCountsOf, RecordsThatAreNoDrawOfTheGameAreLeftOut) {
    const PairCounts counts(Powerball, {draw({1, 2, 3, 4, 60}, 5), draw({1, 1, 2, 3, 4}, 5),
                                        draw({1, 2, 3, 4, 5}, 43), draw({1, 2, 3, 4, 5}, 0),
                                        draw({1, 2, 3, 4, 53}, 42)});
    EXPECT_EQ(counts.pairCount(1, 2), 1);
    EXPECT_EQ(counts.pairCount(1, 53), 1);
    EXPECT_EQ(counts.pairCount(1, 5), 0);
    EXPECT_EQ(counts.pairCount(1, 1), 0);
    EXPECT_EQ(counts.bestBonus(53), 42);
    EXPECT_EQ(counts.bestBonus(5), 0);
    EXPECT_EQ(optimizedLines(counts), (std::vector<EntryLine>{{{1, 2, 3, 4, 53}, 42}}));
}

TEST(PairCountsOf, TiesGoToTheSmallestNumberAndExclusionsAreSkipped) {
    const PairCounts counts(
        MegaMillions,
        {draw({1, 10, 20, 30, 40}, 7), draw({1, 9, 21, 31, 41}, 6), draw({1, 10, 22, 32, 42}, 6)});
    EXPECT_EQ(counts.GetBestFor(1, 1, 0, 0, 0), 10);
    EXPECT_EQ(counts.GetBestFor(1, 1, 10, 0, 0), 9);
    EXPECT_EQ(counts.GetBestFor(1, 1, 9, 10, 20), 21);
    EXPECT_EQ(counts.GetBestFor(2, 0, 0, 0, 0), 0);
    EXPECT_EQ(counts.bestBonus(1), 6);
    EXPECT_EQ(counts.bestBonus(20), 7);
}

} // namespace
