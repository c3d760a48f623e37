// The file work behind each action on the largest files, without a screen.
#include "large_files.h"

#include "main/draw_check.h"
#include "main/results_list_lines.h"

#include <benchmark/benchmark.h>

using namespace numbrava;
using namespace numbrava::bench;

namespace {

const CheckDraw kDraw{kTodaysBalls, kTodaysBonus};

void BM_CheckEntryFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = datedEntryFileName(dir.path(), Powerball, kToday);
    writeEntryFile(path, static_cast<int>(state.range(0)));
    PayoutTable amounts;
    for (int c = 2; c <= 9; ++c)
        amounts.setAmount(c, 1000 / c);
    for (auto _ : state) {
        CheckResult result = checkEntryFile(path, Powerball, kDraw, amounts);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_CheckEntryFile)->Arg(2500)->Arg(kMaxRecords)->Unit(benchmark::kMicrosecond);

void BM_ResultsListLinesFromFile_32767Draws(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = historyFilePath(dir.path(), Powerball);
    writeHistory(path, kMaxRecords);
    for (auto _ : state) {
        QStringList lines = resultsListLines(Powerball, DrawHistoryFile::readAllDraws(path));
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ResultsListLinesFromFile_32767Draws)->Unit(benchmark::kMillisecond);

// The last possible insert, and the dearest: a draw older than all others
// moves every record.
void BM_AddResult_Into32766DrawHistory(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = historyFilePath(dir.path(), Powerball);
    for (auto _ : state) {
        state.PauseTiming();
        writeHistory(path, kMaxRecords - 1);
        state.ResumeTiming();
        DrawHistoryFile::insertDraw(path, kTodaysBalls, kTodaysBonus, 1, 1, 1900);
    }
}
BENCHMARK(BM_AddResult_Into32766DrawHistory)->Unit(benchmark::kMillisecond);

void BM_DeleteFirstLine_32767LineFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = datedEntryFileName(dir.path(), Powerball, kToday);
    for (auto _ : state) {
        state.PauseTiming();
        writeEntryFile(path, kMaxRecords);
        state.ResumeTiming();
        EntryFile::deleteLine(path, 1);
    }
}
BENCHMARK(BM_DeleteFirstLine_32767LineFile)->Unit(benchmark::kMillisecond);

// Finding today's draw, the newest, as start-up and game switch do.
void BM_FindNewestDraw_32767Draws(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = historyFilePath(dir.path(), Powerball);
    writeHistory(path, kMaxRecords);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            DrawHistoryFile::findDraw(path, kToday.day(), kToday.month(), kToday.year()));
}
BENCHMARK(BM_FindNewestDraw_32767Draws)->Unit(benchmark::kMillisecond);

} // namespace
