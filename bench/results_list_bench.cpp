// Building the results list of a full draw history (32767 draws).
#include "data/draw_history_file.h"
#include "main/results_list_lines.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace numbrava;

namespace {
std::vector<DrawRecord> fullHistory() {
    std::vector<DrawRecord> draws(32767);
    for (size_t i = 0; i < draws.size(); ++i) {
        DrawRecord& r = draws[i];
        r.position = static_cast<std::int16_t>(i + 1);
        r.day = static_cast<std::int16_t>(1 + i % 28);
        r.month = static_cast<std::int16_t>(1 + i % 12);
        r.year = static_cast<std::int16_t>(1900 + i / 104);
        r.balls = {3, 9, 17, 38, 53};
        r.bonus = 42;
    }
    return draws;
}

void BM_ResultsListLines(benchmark::State& state) {
    const std::vector<DrawRecord> draws = fullHistory();
    for (auto _ : state) {
        QStringList lines = resultsListLines(Powerball, draws);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ResultsListLines)->Unit(benchmark::kMillisecond);

// The same from the file, as the results list reads it when it opens.
void BM_ResultsListFromFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = historyFilePath(dir.path(), Powerball);
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        std::vector<DrawRecord> draws = fullHistory();
        draws[0].count = static_cast<std::int32_t>(draws.size());
        for (const DrawRecord& r : draws)
            file.write(r.toBytes());
    }
    for (auto _ : state) {
        QStringList lines = resultsListLines(Powerball, DrawHistoryFile::readAllDraws(path));
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ResultsListFromFile)->Unit(benchmark::kMillisecond);
} // namespace
