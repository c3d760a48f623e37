// A dated entry file: count, read, check, append and delete keep the count
// consistent.
#include "data/entry_file.h"
#include "fuzz_support.h"
#include "main/draw_check.h"

using namespace numbrava;
using namespace numbrava::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(QStringLiteral("PwrB05JUL2003.lot"), data, size);
    int n = -1;
    if (!refusedUntouched(path, [&] { n = EntryFile::countLines(path); }))
        return 0;
    expect(validCount(n), "a count within 0..32767");
    refusedUntouched(path, [&] {
        expect(static_cast<int>(EntryFile::readLines(path).size()) == n,
               "every counted line is read");
        const CheckDraw draw{{3, 12, 25, 33, 41}, 7};
        const CheckResult result = checkEntryFile(path, Powerball, draw, PayoutTable{});
        expect(result.winCount() <= n, "no more winners than lines");
    });
    const EntryLine line{{1, 2, 3, 4, 5}, 6};
    if (refusedUntouched(path, [&] { EntryFile::appendLine(path, line); })) {
        expect(EntryFile::countLines(path) == n + 1, "an append adds one line");
        expect(EntryFile::readLines(path).back() == line, "the appended line is the last");
        ++n;
    }
    if (n > 0 && refusedUntouched(path, [&] { EntryFile::deleteLine(path, 1); }))
        expect(EntryFile::countLines(path) == n - 1, "a delete removes one line");
    return 0;
}
