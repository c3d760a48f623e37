// Deleting selected lines rewrites the entry file once per line; this keeps
// an eye on what a large selection costs.
#include "data/entry_file.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace numbrava;

static void deleteLinesFromA2500LineFile(benchmark::State& state) {
    const int toDelete = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("PwrB05JUL2003.lot"));
        for (int i = 0; i < 2500; ++i)
            EntryFile::appendLine(path, EntryLine{{1, 2, 3, 4, 5}, 6});
        state.ResumeTiming();
        for (int i = 0; i < toDelete; ++i)
            EntryFile::deleteLine(path, 1);
    }
}
BENCHMARK(deleteLinesFromA2500LineFile)->Arg(100)->Arg(2500)->Unit(benchmark::kMillisecond);
