// How long the check of a large entry file against one draw takes.
#include "data/entry_file.h"
#include "main/draw_check.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace numbrava;

namespace {
constexpr int kLines = 2500;
const CheckDraw kDraw{{5, 12, 25, 33, 41}, 7};

// Lines spread over the whole range so that every kind of match occurs.
std::vector<EntryLine> spreadLines() {
    std::vector<EntryLine> lines;
    lines.reserve(kLines);
    for (int i = 0; i < kLines; ++i) {
        EntryLine line;
        for (int k = 0; k < 5; ++k)
            line.numbers[static_cast<size_t>(k)] =
                static_cast<std::int16_t>((i * 7 + k * 11) % 53 + 1);
        line.bonus = static_cast<std::int16_t>(i % 42 + 1);
        lines.push_back(line);
    }
    return lines;
}

PayoutTable someAmounts() {
    PayoutTable table;
    for (int c = 2; c <= 9; ++c)
        table.setAmount(c, 1000 / c);
    return table;
}

void BM_Match2500Lines(benchmark::State& state) {
    const std::vector<EntryLine> lines = spreadLines();
    const PayoutTable amounts = someAmounts();
    for (auto _ : state) {
        CheckResult result = checkLines(Powerball, lines, kDraw, amounts);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_Match2500Lines)->Unit(benchmark::kMicrosecond);

// The same with the entry file read from disk, as the Check button does it.
void BM_Check2500LineEntryFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/PwrB05JUL2003.lot");
    for (const EntryLine& line : spreadLines())
        EntryFile::appendLine(path, line);
    const PayoutTable amounts = someAmounts();
    for (auto _ : state) {
        CheckResult result = checkEntryFile(path, Powerball, kDraw, amounts);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Check2500LineEntryFile)->Unit(benchmark::kMicrosecond);
} // namespace
