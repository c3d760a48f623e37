// A results file of any bytes, for every game: each row is read or refused
// once, every draw read is one its game could have drawn on its date, and
// the export of the draws reads back as the same draws.
#include "data/dates.h"
#include "fuzz_support.h"
#include "results/results_export.h"
#include "results/results_import.h"

using namespace numbrava;
using namespace numbrava::fuzzing;

namespace {
bool drawable(GameCode game, const DrawRecord& draw) {
    const QDate date(draw.year, draw.month, draw.day);
    if (!date.isValid() || isBeforeFirstDraw(game, date) || !isDrawDay(game, date))
        return false;
    const GameFormat& format = gameFormat(game, date);
    for (size_t i = 0; i < draw.balls.size(); ++i)
        if (draw.balls[i] < 1 || draw.balls[i] > format.mainMax ||
            (i > 0 && draw.balls[i] <= draw.balls[i - 1]))
            return false;
    return draw.bonus >= 1 && draw.bonus <= format.bonusMax;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(QStringLiteral("results.csv"), data, size);
    const QString history = scratchPath(QStringLiteral("empty.rtl"));
    for (GameCode game : allGames()) {
        const ResultsCsv read = readResultsCsv(bytesOf(path), game);
        if (!read.headerRefusal.isEmpty()) {
            expect(read.rowsRead == 0 && read.draws.empty(), "a refused header reads no row");
            continue;
        }
        expect(read.rowsRead == static_cast<int>(read.draws.size() + read.refused.size()),
               "every row read or refused once");
        std::vector<DrawRecord> draws;
        for (const ReadDraw& row : read.draws) {
            expect(row.line > 1 && drawable(game, row.draw), "a read draw is drawable");
            draws.push_back(row.draw);
        }
        for (const ListedRow& row : read.refused)
            expect(row.line > 1 && !row.reason.isEmpty(), "a refused row says why");

        ImportPreview preview;
        if (!refusedUntouched(path, [&] { preview = previewResultsFile(path, history, game); }))
            broken("a readable file previews");
        expect(preview.newDraws.size() + preview.conflicting.size() +
                       static_cast<size_t>(preview.identical) ==
                   draws.size(),
               "every draw read is new, identical or conflicting");
        const ResultsCsv again = readResultsCsv(resultsCsvText(draws), game);
        expect(again.refused.empty() && again.draws.size() == draws.size(),
               "the export reads back whole");
    }
    return 0;
}
