#include "entries/entry_test_helpers.h"
#include "entries/suggestion_generator.h"
#include "entries/suggestion_run.h"
#include "support/fake_services.h"

using namespace numbrava;
using namespace numbrava::testing;

TEST(SuggestionGenerator, EachPositionComesFromTheRecordItsRandomNumberPicks) {
    ScriptedRandom random;
    const int n = 20;
    random.sequence = {0.0, // record 0: the attempt is abandoned at once
                            // positions 1..5 from records 3, 5, 7, 2, 20; the bonus from record 4
                       pick(3, n), pick(5, n), pick(7, n), pick(2, n), pick(20, n), pick(4, n),
                       // 12 twice (record 12 at 1, record 2 at 2): abandoned when all six are drawn
                       pick(12, n), pick(2, n), pick(1, n), pick(1, n), pick(1, n), pick(1, n),
                       // 20, 11, 21, 31, 34 drawn out of order; bonus of record 9
                       pick(20, n), pick(1, n), pick(1, n), pick(1, n), pick(1, n), pick(9, n)};
    SuggestionGenerator generator(Powerball, tracingHistory(n), {}, 2, random);

    EXPECT_EQ(generator.attempt(), std::nullopt);
    EXPECT_EQ(random.nextIndex, 1u);
    EXPECT_EQ(generator.attempt(), (EntryLine{{3, 15, 27, 32, 53}, 4}));
    EXPECT_EQ(generator.attempt(), std::nullopt);
    EXPECT_EQ(random.nextIndex, 13u);
    EXPECT_EQ(generator.attempt(), (EntryLine{{11, 20, 21, 31, 34}, 9}));

    // 4 draws: 0.125 -> 0.5 -> record 0, 0.375 -> 1.5 -> 2, 0.625 -> 2.5 -> 2, 0.875 -> 3.5 -> 4.
    random.sequence = {0.125, 0.625, 0.875, 0.375, 0.625, 0.875, 0.625};
    random.nextIndex = 0;
    SuggestionGenerator halves(Powerball, tracingHistory(4), {}, 1, random);
    EXPECT_EQ(halves.attempt(), std::nullopt);
    EXPECT_EQ(halves.attempt(), (EntryLine{{2, 14, 22, 32, 37}, 2}));

    // Numbers outside the game from a damaged history are never suggested.
    auto damaged = tracingHistory(20);
    for (auto& draw : damaged)
        draw.balls[4] = 60; // no game has a 60
    random.sequence = uniformSequence(600);
    SuggestionGenerator outside(Powerball, damaged, {}, 1, random);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(outside.attempt(), std::nullopt);
}

// Small entries share at most two numbers with any held line; no entry repeats five.
TEST(SuggestionGenerator, SpreadRule) {
    // Copies of 01..05 held, "Enter No", candidate, allowed; its fraction counts: 41 + 10.5 < 52.
    const std::tuple<int, double, EntryLine, bool> cases[] = {
        {1, 10, {{1, 2, 10, 11, 12}, 9}, true}, {1, 10, {{1, 2, 3, 11, 12}, 9}, false},
        {1, 10, {{1, 2, 9, 11, 12}, 3}, true},  {1, 50, {{1, 2, 3, 11, 12}, 9}, false},
        {1, 51, {{1, 2, 3, 4, 12}, 9}, true},   {60, 1, {{1, 2, 3, 4, 5}, 7}, false},
        {1, 1, {{1, 2, 3, 4, 5}, 7}, false},    {41, 10.5, {{1, 2, 3, 11, 12}, 9}, false}};
    ScriptedRandom random;
    for (const auto& [held, enterNo, candidate, allowed] : cases) {
        const std::vector<EntryLine> lines(static_cast<size_t>(held), {{1, 2, 3, 4, 5}, 9});
        SuggestionGenerator generator(Powerball, tracingHistory(20), lines, enterNo, random);
        EXPECT_EQ(generator.spreadAllows(candidate), allowed) << held << " " << enterNo;
    }
    // Lines of an entry with odd numbers are compared safely.
    const std::vector<EntryLine> odd = {EntryLine{{0, -5, 100, 3, 3}, 0},
                                        EntryLine{{32767, -32768, 10, 63, 1}, 1}};
    SuggestionGenerator generator(Powerball, tracingHistory(20), odd, 1, random);
    EXPECT_TRUE(generator.spreadAllows(EntryLine{{1, 3, 10, 11, 12}, 9}));
    EXPECT_FALSE(generator.spreadAllows(EntryLine{{1, 3, 10, 11, 63}, 9}));
    SuggestionGenerator g(Powerball69, tracingHistory(9), {{{64, 66, 67, 68, 69}, 1}}, 1, random);
    EXPECT_TRUE(g.spreadAllows(EntryLine{{1, 2, 3, 64, 69}, 9}));
    EXPECT_FALSE(g.spreadAllows(EntryLine{{1, 2, 64, 68, 69}, 9})); // past 63 as any other
}

// Every attempt is abandoned: the run checks Cancel between attempts and gives up after a bound.
TEST(SuggestionRun, AttemptsAreBoundedAndRequestsRefusedOrCounted) {
    for (const bool cancel : {true, false}) {
        ScriptedRandom random;
        random.sequence = {0.0};
        SuggestionGenerator generator(Powerball, tracingHistory(20), {}, 5, random);
        int asked = 0;
        const RunOutcome outcome = runSuggestions(
            generator, 5, [](const EntryLine&) { FAIL() << "no line can be made"; },
            [&] { return ++asked == 3 && cancel; }, {1000, 100});
        EXPECT_EQ(std::tuple(outcome.end, outcome.added, random.nextIndex, asked),
                  cancel ? std::tuple(RunEnd::Cancelled, 0, size_t{300}, 3)
                         : std::tuple(RunEnd::NoLineFound, 0, size_t{1000}, 10));
    }
    EXPECT_TRUE(noLineFoundMessage(2).endsWith(QStringLiteral("stopped: 2 lines were added.")));
    EXPECT_EQ(std::tuple(enterNoRefusal(0.5).has_value(), enterNoRefusal(1).has_value()),
              std::tuple(true, false));
    using M = SuggestionMode;
    const QString already = QStringLiteral("You already have this number of entries or more.");
    const QString cap = QStringLiteral("You are limited to a maximum of 2500 entries");
    // Total has no cap.
    const std::tuple<M, double, double, int, QString> refusals[] = {
        {M::Total, 10, 10, 10, already},      {M::Total, 9, 10, 10, already},
        {M::Total, 11, 10, 10, {}},           {M::Total, 3000, 10, 2490, {}},
        {M::Additional, 100, 2400, 2400, {}}, {M::Additional, 101, 2400, 2400, cap}};
    for (const auto& [mode, enterNo, shown, inFile, expected] : refusals)
        EXPECT_EQ(requestRefusal(mode, enterNo, shown, inFile).value_or(QString()), expected)
            << enterNo;
    EXPECT_EQ((std::vector{linesToMake(M::Total, 25, 10), linesToMake(M::Additional, 25, 10),
                           linesToMake(M::Additional, 2.5, 0), linesToMake(M::Total, 10.4, 10)}),
              (std::vector{15, 25, 2, 0}));
}
