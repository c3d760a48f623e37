// How fast suggested lines are kept apart from a large entry.
#include "data/entry_file.h"
#include "entries/suggestion_generator.h"
#include "entries/suggestion_run.h"
#include "ui/random_source.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

using namespace numbrava;

namespace {
std::vector<DrawRecord> history(int draws) {
    std::mt19937 engine(3);
    std::vector<DrawRecord> all;
    for (int d = 0; d < draws; ++d) {
        std::vector<std::int16_t> pool(53);
        for (int i = 0; i < 53; ++i)
            pool[static_cast<size_t>(i)] = static_cast<std::int16_t>(i + 1);
        std::shuffle(pool.begin(), pool.end(), engine);
        std::sort(pool.begin(), pool.begin() + 5);
        DrawRecord r;
        std::copy(pool.begin(), pool.begin() + 5, r.balls.begin());
        r.bonus = static_cast<std::int16_t>(1 + engine() % 42);
        all.push_back(r);
    }
    return all;
}

std::vector<EntryLine> entry(int lines, StandardRandomSource& random) {
    SuggestionGenerator generator(Powerball, history(300), {}, lines, random);
    std::vector<EntryLine> made;
    runSuggestions(
        generator, lines, [&](const EntryLine& line) { made.push_back(line); },
        [] { return false; });
    return made;
}
} // namespace

// One spreading test of a candidate against an entry of 2500 lines.
static void BM_SpreadTestAgainst2500Lines(benchmark::State& state) {
    StandardRandomSource random;
    random.seed(1.0);
    const auto lines = entry(2500, random);
    SuggestionGenerator generator(Powerball, history(300), lines, 1, random);
    const EntryLine candidate{{4, 17, 23, 38, 51}, 9};
    for (auto _ : state)
        benchmark::DoNotOptimize(generator.spreadAllows(candidate));
}
BENCHMARK(BM_SpreadTestAgainst2500Lines);

// A whole run of 2500 lines from a 300-draw history into an empty entry,
// without the file and the screen.
static void BM_Run2500SuggestedLines(benchmark::State& state) {
    StandardRandomSource random;
    random.seed(2.0);
    const auto draws = history(300);
    for (auto _ : state) {
        SuggestionGenerator generator(Powerball, draws, {}, 2500, random);
        int added = 0;
        runSuggestions(
            generator, 2500, [&](const EntryLine&) { ++added; }, [] { return false; });
        benchmark::DoNotOptimize(added);
    }
    state.SetItemsProcessed(state.iterations() * 2500);
}
BENCHMARK(BM_Run2500SuggestedLines)->Unit(benchmark::kMillisecond);

// The same run with every line appended to an entry file before the next.
static void BM_Run2500SuggestedLinesIntoAFile(benchmark::State& state) {
    StandardRandomSource random;
    random.seed(3.0);
    const auto draws = history(300);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PwrB05JUL2003.lot"));
    for (auto _ : state) {
        QFile::remove(path);
        SuggestionGenerator generator(Powerball, draws, {}, 2500, random);
        runSuggestions(
            generator, 2500, [&](const EntryLine& line) { EntryFile::appendLine(path, line); },
            [] { return false; });
    }
}
BENCHMARK(BM_Run2500SuggestedLinesIntoAFile)->Unit(benchmark::kMillisecond);
