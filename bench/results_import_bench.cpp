// Importing every Powerball 5/69 draw published so far (1,390) into an empty
// history: reading and judging the file, and storing the draws in one go.
#include "data/draw_history_file.h"
#include "results/results_import.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace numbrava;

namespace {
void BM_ImportAllPowerball69Draws(benchmark::State& state) {
    const QString csv = QStringLiteral(NUMBRAVA_SOURCE_DIR "/data/powerball-2015-2026.csv");
    QTemporaryDir dir;
    const QString history = historyFilePath(dir.path(), Powerball69);
    for (auto _ : state) {
        QFile::remove(history);
        storeNewDraws(history, previewResultsFile(csv, history, Powerball69));
    }
    if (DrawHistoryFile::countDraws(history) != 1390)
        state.SkipWithError("not every draw was imported");
}
BENCHMARK(BM_ImportAllPowerball69Draws)->Unit(benchmark::kMillisecond);
} // namespace
