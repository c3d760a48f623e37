#include "entries/entry_filter.h"

#include "data/file_error.h"
#include "data/file_journal.h"
#include "data/number_set.h"
#include "data/record_file.h"
#include "data/safe_file.h"
#include "entries/entry_file_copy.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <bit>
#include <unordered_set>

namespace numbrava {

QString filterWorkFile(const QString& folder) {
    return folder + QStringLiteral("/temp.lot");
}

SumWindow sumWindow(GameCode game, int sliderPosition) {
    const GameInfo& info = gameInfo(game);
    const int narrowing = info.sumStep * (qBound(1, sliderPosition, 5) - 1);
    return {info.sumLow + narrowing, info.sumHigh - narrowing};
}

namespace {

bool isChecked(const EntryRecord& r) {
    return r.mark == kCheckedMark;
}

void check(EntryRecord& r, int& checkedCount) {
    r.mark = kCheckedMark;
    ++checkedCount;
}

// The main numbers of a line as a set of bits, when the line can be told
// that way: five different numbers that the set holds (every game's do).
std::optional<NumberSet> numberSet(const EntryLine& line) {
    const NumberSet set = NumberSet::of(line.numbers);
    if (set.size() != 5)
        return std::nullopt;
    return set;
}

// How many (number of a, number of b) pairs are equal. For lines of five
// different numbers that is the count of shared numbers, found from the sets.
int equalPairs(const EntryLine& a, const std::optional<NumberSet>& setA, const EntryLine& b,
               const std::optional<NumberSet>& setB) {
    if (setA && setB)
        return setA->shared(*setB);
    int m = 0;
    for (auto x : a.numbers)
        for (auto y : b.numbers)
            m += x == y ? 1 : 0;
    return m;
}

} // namespace

int checkOutsideSum(std::vector<EntryRecord>& lines, SumWindow window) {
    int checkedCount = 0;
    for (EntryRecord& r : lines) {
        int sum = 0;
        for (auto n : r.line.numbers)
            sum += n;
        if (!isChecked(r) && (sum > window.high || sum < window.low))
            check(r, checkedCount);
    }
    return checkedCount;
}

namespace {

// Every sharedLimit-number part of a line of five different numbers from
// 0..127, each as one key: its numbers in ascending order, seven bits each.
template <typename OnPart>
void forEachPart(const EntryLine& line, int sharedLimit, OnPart&& onPart) {
    std::array<std::uint64_t, 5> numbers{};
    std::copy(line.numbers.begin(), line.numbers.end(), numbers.begin());
    std::sort(numbers.begin(), numbers.end());
    for (unsigned choice = 0; choice < 32; ++choice)
        if (std::popcount(choice) == sharedLimit) {
            std::uint64_t part = 0;
            for (size_t k = 0; k < 5; ++k)
                if ((choice >> k) & 1)
                    part = part << 7 | numbers[k];
            onPart(part);
        }
}

} // namespace

int checkDuplicates(std::vector<EntryRecord>& lines, int sharedLimit,
                    const std::function<void(int, int)>& lineDone) {
    const int total = static_cast<int>(lines.size());
    // Two lines of five different numbers share at least sharedLimit of them
    // exactly when they hold a common sharedLimit-number part: the parts of
    // the kept lines decide each line in a few look-ups. Lines that are no
    // such set (a repeated or odd number from a damaged file) are compared
    // pair by pair, as is every line for a limit no part can stand for.
    const bool byParts = sharedLimit >= 1 && sharedLimit <= 5;
    std::unordered_set<std::uint64_t> keptParts;
    if (byParts)
        keptParts.reserve(lines.size() * 10); // C(5, limit) is at most 10
    std::vector<size_t> keptByPairs;          // kept lines the parts do not stand for
    std::vector<size_t> kept;
    std::vector<std::optional<NumberSet>> sets;
    sets.reserve(lines.size());
    for (const EntryRecord& r : lines)
        sets.push_back(numberSet(r.line));
    auto sharesWith = [&](size_t j, const std::vector<size_t>& keepers) {
        for (size_t i : keepers)
            if (equalPairs(lines[j].line, sets[j], lines[i].line, sets[i]) >= sharedLimit)
                return true;
        return false;
    };
    int checkedCount = 0;
    for (size_t j = 0; j < lines.size(); ++j) {
        if (!isChecked(lines[j])) {
            const bool asParts = byParts && sets[j];
            bool duplicate = asParts ? sharesWith(j, keptByPairs) : sharesWith(j, kept);
            if (asParts && !duplicate)
                forEachPart(lines[j].line, sharedLimit,
                            [&](std::uint64_t part) { duplicate |= keptParts.contains(part); });
            if (duplicate) {
                check(lines[j], checkedCount);
            } else {
                kept.push_back(j);
                if (asParts)
                    forEachPart(lines[j].line, sharedLimit,
                                [&](std::uint64_t part) { keptParts.insert(part); });
                else
                    keptByPairs.push_back(j);
            }
        }
        if (lineDone)
            lineDone(static_cast<int>(j) + 1, total);
    }
    return checkedCount;
}

namespace {
using Mode = RecordFile::Mode;
} // namespace

FilterRun runEntryFilter(const QString& entryFile, const QString& workFile,
                         const FilterChoice& choice,
                         const std::function<void(int, int)>& lineDone) {
    const FileHousekeeping workingCopy(workFile);
    // An old copy never stands in for this run's, even when the new one fails.
    removeWorkingFile(workFile);
    writeFileAtomically(workFile, readEntryFileBytes(entryFile));

    RecordFile work(workFile, kRecordSize, Mode::Rewrite);
    const int k = work.count();
    FilterRun run;
    run.lines.reserve(static_cast<size_t>(k));
    for (int i = 1; i <= k; ++i) {
        EntryRecord r = EntryRecord::fromBytes(work.read(i));
        // Only this run checks lines: a mark left in the entry file is not a check.
        if (isChecked(r))
            r.mark = 0;
        run.lines.push_back(r);
    }
    if (choice.sum)
        run.checkedCount += checkOutsideSum(run.lines, *choice.sum);
    if (choice.sharedLimit)
        run.checkedCount += checkDuplicates(run.lines, *choice.sharedLimit, lineDone);
    for (int i = 1; i <= k; ++i)
        work.write(i, run.lines[static_cast<size_t>(i - 1)].toBytes());
    work.commit();
    return run;
}

void setWorkMark(const QString& workFile, int k, bool checked) {
    const FileHousekeeping workingCopy(workFile);
    RecordFile work(workFile, kRecordSize, Mode::ReadWrite);
    if (k < 1 || k > work.count())
        throw FileError(QStringLiteral("The file %1 no longer holds line %2; press Check again.")
                            .arg(work.fileName())
                            .arg(k));
    EntryRecord r = EntryRecord::fromBytes(work.read(k));
    r.mark = checked ? kCheckedMark : 0;
    work.write(k, r.toBytes());
}

int removeCheckedLines(const QString& workFile, int expectedLines, const QString& entryFile) {
    // A missing copy would read as empty and wipe the entry: refuse instead.
    if (!QFileInfo(workFile).isFile())
        throw FileError(QStringLiteral("The file %1 is missing; press Check again.")
                            .arg(QFileInfo(workFile).fileName()));
    RecordFile work(workFile, kRecordSize, Mode::Read);
    work.readWhole();
    const int k = work.count();
    if (k != expectedLines)
        throw FileError(QStringLiteral("The file %1 no longer matches the list; press Check again.")
                            .arg(work.fileName()));
    QByteArray kept;
    int n = 0;
    for (int i = 1; i <= k; ++i) {
        const QByteArray record = work.read(i);
        if (isChecked(EntryRecord::fromBytes(record)))
            continue;
        kept += record;
        ++n;
    }
    // Record 1 carries the count; with no line kept it is a record of zeros.
    EntryRecord first =
        EntryRecord::fromBytes(kept.left(kRecordSize).leftJustified(kRecordSize, '\0'));
    first.count = n;
    kept.replace(0, kRecordSize, first.toBytes());
    nameFileStep(QStringLiteral("Remove %1 from ") + QFileInfo(entryFile).fileName(), k - n);
    writeFileAtomically(entryFile, kept);
    return n;
}

QString displaychecked(const EntryLine& line) {
    QString text;
    for (auto n : line.numbers)
        text += QStringLiteral("%1 ").arg(n, 2, 10, QLatin1Char('0'));
    return text + QStringLiteral("%1 ").arg(line.bonus, 2, 10, QLatin1Char('0'));
}

} // namespace numbrava
