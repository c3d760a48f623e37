// pbk.rtl: count, read, insert and delete keep the count consistent.
#include "data/draw_history_file.h"
#include "fuzz_support.h"

using namespace numbrava;
using namespace numbrava::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(QStringLiteral("pbk.rtl"), data, size);
    int n = -1;
    if (!refusedUntouched(path, [&] { n = DrawHistoryFile::countDraws(path); }))
        return 0;
    expect(validCount(n), "a count within 0..32767");
    refusedUntouched(path, [&] {
        expect(static_cast<int>(DrawHistoryFile::readAllDraws(path).size()) == n,
               "every counted draw is read");
        DrawHistoryFile::findDraw(path, 5, 7, 2003);
    });
    const bool inserted = refusedUntouched(path, [&] {
        DrawHistoryFile::insertDraw(path, {3, 12, 25, 33, 41}, 7, 5, 7, 2003);
    });
    if (inserted) {
        expect(DrawHistoryFile::countDraws(path) == n + 1, "an insert adds one draw");
        expect(DrawHistoryFile::findDraw(path, 5, 7, 2003) != 0, "the inserted draw is found");
        ++n;
    }
    if (n > 0 && refusedUntouched(path, [&] { DrawHistoryFile::deleteDraw(path, 1); }))
        expect(DrawHistoryFile::countDraws(path) == n - 1, "a delete removes one draw");
    return 0;
}
