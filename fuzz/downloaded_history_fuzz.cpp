// A downloaded history: accepted only with a sound count and draws in date order up to tomorrow.
#include "data/draw_history_file.h"
#include "download/downloaded_history.h"
#include "fuzz_support.h"

using namespace numbrava;
using namespace numbrava::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(QStringLiteral("pbk.rtl.download"), data, size);
    const QDate today(2006, 1, 1); // after the last shipped draw
    for (GameCode game : allGames()) {
        const DownloadedHistory found = inspectDownloadedHistory(path, game, today);
        expect(bytesOf(path) ==
                   QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
               "the check writes nothing");
        if (found.corrupt)
            continue;
        expect(found.count >= 1 && validCount(found.count), "an accepted count is 1..32767");
        expect(DrawHistoryFile::countDraws(path) == found.count,
               "the history reads the same count");
        const QDate latest(found.latest.year, found.latest.month, found.latest.day);
        expect(latest.isValid() && latest <= today.addDays(1), "no draw after tomorrow");
        expect(!replaceQuestion(game, 2, found).isEmpty(), "a question to ask");
    }
    return 0;
}
