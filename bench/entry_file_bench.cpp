// Deleting selected lines works the whole deletion out in memory and replaces
// the entry file once; a selection of thousands must go in well under 100 ms.
#include "data/entry_file.h"
#include "entries/line_deletion.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace numbrava;

// As the Delete button runs it on a list of 2500 lines: Arg(1) selects every
// line, Arg(2) every other one.
static void deleteSelectedLinesOf2500(benchmark::State& state) {
    const int step = static_cast<int>(state.range(0));
    std::vector<bool> selected(2500);
    for (size_t i = 0; i < selected.size(); i += static_cast<size_t>(step))
        selected[i] = true;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("PwrB05JUL2003.lot"));
        for (int i = 0; i < 2500; ++i)
            EntryFile::appendLine(path, EntryLine{{1, 2, 3, 4, 5}, 6});
        state.ResumeTiming();
        benchmark::DoNotOptimize(deleteSelectedLines(path, selected));
    }
}
BENCHMARK(deleteSelectedLinesOf2500)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
