#include "entries/entry_test_helpers.h"
#include "entries/suggestion_generator.h"
#include "entries/suggestion_run.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

TEST(SuggestionGenerator, EachPositionComesFromTheRecordItsRandomNumberPicks) {
    ScriptedRandom random;
    const int n = 20;
    random.sequence = {0.0, // record 0: the attempt is abandoned at once
                            // positions 1..5 from records 3, 5, 7, 2, 20; the bonus from record 4
                       pick(3, n), pick(5, n), pick(7, n), pick(2, n), pick(20, n), pick(4, n),
                       // 12 (record 12 at position 1) and 12 (record 2 at position 2): abandoned
                       // once all six numbers are drawn
                       pick(12, n), pick(2, n), pick(1, n), pick(1, n), pick(1, n), pick(1, n),
                       // 20, 11, 21, 31, 34 drawn out of order; bonus of record 9
                       pick(20, n), pick(1, n), pick(1, n), pick(1, n), pick(1, n), pick(9, n)};
    SuggestionGenerator generator(Powerball, tracingHistory(n), {}, 2, random);

    EXPECT_EQ(generator.attempt(), std::nullopt);
    EXPECT_EQ(random.nextIndex, 1u);
    const auto first = generator.attempt();
    EXPECT_EQ(first, (EntryLine{{3, 15, 27, 32, 53}, 4}));
    EXPECT_EQ(generator.attempt(), std::nullopt);
    EXPECT_EQ(random.nextIndex, 13u);
    EXPECT_EQ(generator.attempt(), (EntryLine{{11, 20, 21, 31, 34}, 9}));
    EXPECT_TRUE(random.seeds.empty()) << "seeding is the run's business, once";
}

TEST(SuggestionGenerator, HalvesRoundToTheEvenRecordAndAHalfBelowOneAbandons) {
    ScriptedRandom random;
    // With 4 draws: 0.125 -> 0.5 -> record 0; 0.375 -> 1.5 -> 2; 0.625 -> 2.5 -> 2;
    // 0.875 -> 3.5 -> 4.
    random.sequence = {0.125, 0.625, 0.875, 0.375, 0.625, 0.875, 0.625};
    SuggestionGenerator generator(Powerball, tracingHistory(4), {}, 1, random);
    EXPECT_EQ(generator.attempt(), std::nullopt);
    EXPECT_EQ(generator.attempt(), (EntryLine{{2, 14, 22, 32, 37}, 2}));
}

TEST(SuggestionGenerator, NumbersOutsideTheGameFromADamagedHistoryAreNeverSuggested) {
    ScriptedRandom random;
    auto history = tracingHistory(20);
    for (auto& draw : history)
        draw.balls[4] = 60; // no game has a 60
    random.sequence = uniformSequence(600);
    SuggestionGenerator generator(Powerball, history, {}, 1, random);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(generator.attempt(), std::nullopt);
}

struct SpreadCase {
    const char* name;
    int linesHeld; // copies of 01 02 03 04 05
    double enterNo;
    EntryLine candidate;
    bool allowed;
};

void PrintTo(const SpreadCase& c, std::ostream* os) {
    *os << c.name;
}

class SpreadRule : public ::testing::TestWithParam<SpreadCase> {};

TEST_P(SpreadRule, SmallEntriesShareAtMostTwoAndNoEntryRepeatsFive) {
    const auto& c = GetParam();
    ScriptedRandom random;
    const std::vector<EntryLine> held(static_cast<size_t>(c.linesHeld),
                                      EntryLine{{1, 2, 3, 4, 5}, 9});
    SuggestionGenerator generator(Powerball, tracingHistory(20), held, c.enterNo, random);
    EXPECT_EQ(generator.spreadAllows(c.candidate), c.allowed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpreadRule,
    ::testing::Values(SpreadCase{"TwoSharedIsFine", 1, 10, {{1, 2, 10, 11, 12}, 9}, true},
                      SpreadCase{"ThreeSharedInASmallEntry", 1, 10, {{1, 2, 3, 11, 12}, 9}, false},
                      SpreadCase{"BonusPlaysNoPart", 1, 10, {{1, 2, 9, 11, 12}, 3}, true},
                      SpreadCase{"FiftyOneStillSmall", 1, 50, {{1, 2, 3, 11, 12}, 9}, false},
                      SpreadCase{"FiftyTwoIsLarge", 1, 51, {{1, 2, 3, 4, 12}, 9}, true},
                      SpreadCase{"FiveNeverInALargeEntry", 60, 1, {{1, 2, 3, 4, 5}, 7}, false},
                      SpreadCase{"FiveNeverInASmallEntry", 1, 1, {{1, 2, 3, 4, 5}, 7}, false},
                      // The fraction of "Enter No" counts: 41 + 10.5 < 52.
                      SpreadCase{"FractionCounts", 41, 10.5, {{1, 2, 3, 11, 12}, 9}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SuggestionGenerator, LinesOfAnEntryWithOddNumbersAreComparedSafely) {
    ScriptedRandom random;
    const std::vector<EntryLine> odd = {EntryLine{{0, -5, 100, 3, 3}, 0},
                                        EntryLine{{32767, -32768, 10, 63, 1}, 1}};
    SuggestionGenerator generator(Powerball, tracingHistory(20), odd, 1, random);
    EXPECT_TRUE(generator.spreadAllows(EntryLine{{1, 3, 10, 11, 12}, 9}));
    EXPECT_FALSE(generator.spreadAllows(EntryLine{{1, 3, 10, 11, 63}, 9}));
}

TEST(SuggestionRun, StoresEachLineBeforeTheNextAndAsksForCancelAfterEveryLine) {
    ScriptedRandom random;
    random.sequence = uniformSequence(10000);
    SuggestionGenerator generator(Powerball, randomHistory(50, 53, 42), {}, 100, random);
    std::vector<std::string> calls;
    int stored = 0;
    const RunOutcome outcome = runSuggestions(
        generator, 5,
        [&](const EntryLine&) {
            ++stored;
            calls.push_back("store");
        },
        [&] {
            calls.push_back("cancel?");
            return stored == 3;
        });
    EXPECT_EQ(outcome.end, RunEnd::Cancelled);
    EXPECT_EQ(outcome.added, 3);
    EXPECT_EQ(generator.lineCount(), 3);
    EXPECT_EQ(calls, (std::vector<std::string>{"store", "cancel?", "store", "cancel?", "store",
                                               "cancel?"}));
}

// Every attempt is abandoned: the run asks for Cancel between attempts and
// gives up after a bounded number of them.
TEST(SuggestionRun, WithoutLinesCancelIsAskedAndTheAttemptsAreBounded) {
    for (const bool cancel : {true, false}) {
        ScriptedRandom random;
        random.sequence = {0.0};
        SuggestionGenerator generator(Powerball, tracingHistory(20), {}, 5, random);
        int asked = 0;
        const RunOutcome outcome = runSuggestions(
            generator, 5, [](const EntryLine&) { FAIL() << "no line can be made"; },
            [&] { return ++asked == 3 && cancel; }, {1000, 100});
        EXPECT_EQ(outcome.end, cancel ? RunEnd::Cancelled : RunEnd::NoLineFound);
        EXPECT_EQ(outcome.added, 0);
        EXPECT_EQ(random.nextIndex, cancel ? 300u : 1000u);
        EXPECT_EQ(asked, cancel ? 3 : 10);
    }
    EXPECT_TRUE(noLineFoundMessage(1).endsWith(QStringLiteral("1 line was added.")));
}

TEST(SuggestionRun, RefusalsAndLineCounts) {
    EXPECT_TRUE(enterNoRefusal(0).has_value());
    EXPECT_TRUE(enterNoRefusal(0.5).has_value());
    EXPECT_FALSE(enterNoRefusal(1).has_value());
    using M = SuggestionMode;
    const QString already = QStringLiteral("You already have this number of entries or more.");
    const QString cap = QStringLiteral("You are limited to a maximum of 2500 entries");
    EXPECT_EQ(requestRefusal(M::Total, 10, 10, 10), already);
    EXPECT_EQ(requestRefusal(M::Total, 9, 10, 10), already);
    EXPECT_FALSE(requestRefusal(M::Total, 11, 10, 10));
    EXPECT_FALSE(requestRefusal(M::Total, 3000, 10, 2490)) << "Total has no cap";
    EXPECT_FALSE(requestRefusal(M::Additional, 100, 2400, 2400));
    EXPECT_EQ(requestRefusal(M::Additional, 101, 2400, 2400), cap);
    EXPECT_EQ(linesToMake(M::Total, 25, 10), 15);
    EXPECT_EQ(linesToMake(M::Additional, 25, 10), 25);
    EXPECT_EQ(linesToMake(M::Additional, 2.5, 0), 2);
    EXPECT_EQ(linesToMake(M::Total, 10.4, 10), 0);
}
