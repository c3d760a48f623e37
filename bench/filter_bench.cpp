// How long one Check of the entry filter takes on a large entry file.
#include "entries/entry_filter.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>

using namespace numbrava;

namespace {
constexpr int kLines = 2500;

// Random Powerball lines of five different numbers, from a fixed seed.
std::vector<EntryRecord> randomLines(int count = kLines) {
    std::mt19937 engine(5);
    std::vector<EntryRecord> lines(static_cast<size_t>(count));
    for (EntryRecord& r : lines) {
        std::vector<std::int16_t> pool(53);
        for (int n = 0; n < 53; ++n)
            pool[static_cast<size_t>(n)] = static_cast<std::int16_t>(n + 1);
        std::shuffle(pool.begin(), pool.end(), engine);
        std::copy(pool.begin(), pool.begin() + 5, r.line.numbers.begin());
        r.line.bonus = static_cast<std::int16_t>(engine() % 42 + 1);
    }
    return lines;
}

void BM_DuplicatePass2500Lines(benchmark::State& state) {
    const std::vector<EntryRecord> lines = randomLines();
    for (auto _ : state) {
        std::vector<EntryRecord> work = lines;
        benchmark::DoNotOptimize(checkDuplicates(work, 2));
    }
}
BENCHMARK(BM_DuplicatePass2500Lines)->Unit(benchmark::kMillisecond);

// The marking pass on the largest entry file; sharing 4 numbers keeps most
// lines, which is the most work for it.
void filterDuplicates(benchmark::State& state) {
    const std::vector<EntryRecord> lines = randomLines(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<EntryRecord> work = lines;
        benchmark::DoNotOptimize(checkDuplicates(work, 4));
    }
}
BENCHMARK(filterDuplicates)->Arg(32767)->Unit(benchmark::kMillisecond);

// The whole Check as the screen runs it: the copy, both passes, the marks written.
void BM_FilterRun2500LineFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString entry = dir.path() + QStringLiteral("/PwrB05JUL2003.lot");
    QByteArray bytes;
    std::vector<EntryRecord> lines = randomLines();
    lines.front().count = kLines;
    for (const EntryRecord& r : lines)
        bytes += r.toBytes();
    QFile file(entry);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the entry file");
        return;
    }
    file.close();
    const FilterChoice choice{.sum = sumWindow(Powerball, 3), .sharedLimit = 3};
    for (auto _ : state)
        benchmark::DoNotOptimize(runEntryFilter(entry, filterWorkFile(dir.path()), choice));
}
BENCHMARK(BM_FilterRun2500LineFile)->Unit(benchmark::kMillisecond);
} // namespace
