// The entry filter on any entry file: Check marks as the pairwise pass does, Remove keeps the rest.
#include "data/entry_file.h"
#include "entries/entry_filter.h"
#include "fuzz_support.h"

#include <algorithm>

using namespace numbrava;
using namespace numbrava::fuzzing;

namespace {
// Every line kept so far against every later one, pair by pair.
void markPairwise(std::vector<EntryRecord>& lines, int sharedLimit) {
    for (size_t i = 0; i < lines.size(); ++i)
        for (size_t j = i + 1; j < lines.size() && lines[i].mark != kCheckedMark; ++j) {
            int shared = 0;
            for (auto n : lines[i].line.numbers)
                shared += static_cast<int>(std::ranges::count(lines[j].line.numbers, n));
            if (shared >= sharedLimit)
                lines[j].mark = kCheckedMark;
        }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    // The first byte chooses the filters, the rest is the entry file.
    const int sharedLimit = data[0] % 6, slider = data[0] / 6 % 6;
    const QString entry = inputFile(QStringLiteral("PwrB05JUL2003.lot"), data + 1, size - 1);
    const QString work = filterWorkFile(QFileInfo(entry).path());
    FilterChoice choice;
    if (slider > 0)
        choice.sum = sumWindow(Powerball, slider);
    if (sharedLimit >= 2)
        choice.sharedLimit = sharedLimit;
    FilterRun run;
    if (!refusedUntouched(entry, [&] { run = runEntryFilter(entry, work, choice); }))
        return 0;
    const auto marked = std::ranges::count(run.lines, kCheckedMark, &EntryRecord::mark);
    expect(marked == run.checkedCount, "the count is the lines marked");

    std::vector<EntryRecord> expected = run.lines;
    for (EntryRecord& r : expected)
        r.mark = r.mark == kCheckedMark ? 0 : r.mark; // another mark is the file's own word
    if (choice.sum)
        checkOutsideSum(expected, *choice.sum);
    if (choice.sharedLimit)
        markPairwise(expected, *choice.sharedLimit);
    expect(std::ranges::equal(expected, run.lines, {}, &EntryRecord::mark, &EntryRecord::mark),
           "the marks are those of the pairwise pass");

    const int lines = static_cast<int>(run.lines.size());
    int kept = -1;
    if (refusedUntouched(entry, [&] { kept = removeCheckedLines(work, lines, entry); })) {
        expect(kept == lines - run.checkedCount, "Remove keeps every unmarked line");
        expect(EntryFile::countLines(entry) == kept, "the entry file counts the kept lines");
    }
    return 0;
}
