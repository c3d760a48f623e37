#include "entries/entry_test_helpers.h"
#include "support/fake_services.h"
#include "wheels/wheel_proposal.h"

#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
std::vector<int> range(int from, int to) {
    std::vector<int> out;
    for (int n = from; n <= to; ++n)
        out.push_back(n);
    return out;
}

std::vector<int> joined(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
} // namespace

TEST(WheelProposal, RanksByFrequencyAndFillsWithDistinctRandomNumbers) {
    std::vector<DrawRecord> fiftyDrawnTopFiveTwice; // 46..50 twice, ties among the rest
    for (int d = 0; d < 10; ++d)
        fiftyDrawnTopFiveTwice.push_back({.balls = {i16(5 * d + 1), i16(5 * d + 2), i16(5 * d + 3),
                                                    i16(5 * d + 4), i16(5 * d + 5)}});
    fiftyDrawnTopFiveTwice.push_back({.balls = {46, 47, 48, 49, 50}});
    const struct {
        const char* name;
        std::vector<DrawRecord> draws;
        std::vector<int> randomNumbers; // what the generator draws, repeats included
        std::vector<int> expected;
    } cases[] = {
        // 10 three times, 3 and 20 twice, the rest once; 60 is no Powerball
        // number. The fill skips what is already held.
        {"fewer than 24 drawn",
         {{.balls = {10, 20, 30, 40, 50}},
          {.balls = {10, 20, 3, 4, 5}},
          {.balls = {10, 3, 6, 7, 8}},
          {.balls = {60, 60, 60, 60, 60}}},
         range(1, 53),
         {10, 3, 20, 4, 5, 6, 7, 8, 30, 40, 50, 1, 2, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 21}},
        {"empty history", {}, joined({53, 53}, range(1, 52)), joined({53}, range(1, 23))},
        {"ties smaller first", fiftyDrawnTopFiveTwice, {}, joined(range(46, 50), range(1, 19))},
        // A generator stuck on 0.5 (27) still ends, with the smallest free numbers.
        {"stuck generator", {}, {27}, joined({27}, range(1, 23))},
    };
    for (const auto& c : cases) {
        ScriptedRandom random;
        if (!c.randomNumbers.empty())
            random.sequence.clear();
        for (int n : c.randomNumbers)
            random.sequence.push_back((n - 0.5) / 53);
        std::vector<int> proposal = mostDrawnNumbers(c.draws, 53);
        fillWithRandomNumbers(proposal, 53, random);
        EXPECT_EQ(proposal, c.expected) << c.name;
    }
}
