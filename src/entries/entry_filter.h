#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace numbrava {

// The filter works on temp.lot, a copy of the entry file whose last word of
// each record (the mark) is -1 for a line checked for deletion.
constexpr std::int16_t kCheckedMark = -1;

QString filterWorkFile(const QString& folder);

// Sums from low to high (both included) are kept; slider positions 1..5.
struct SumWindow {
    int low = 0;
    int high = 0;
};
SumWindow sumWindow(GameCode game, int sliderPosition);

struct FilterChoice {
    std::optional<SumWindow> sum;   // the sum filter, when applied
    std::optional<int> sharedLimit; // the duplicate filter's 2..5, when applied
};

// The two passes over the working lines. Each checks (marks) lines and
// returns how many it checked; a line already checked is left as it is.
int checkOutsideSum(std::vector<EntryRecord>& lines, SumWindow window);
// Keeps lines in file order: a line is checked when it shares at least
// sharedLimit main numbers with an earlier line that is still kept.
// lineDone(i, total) follows each line i as keeper.
int checkDuplicates(std::vector<EntryRecord>& lines, int sharedLimit,
                    const std::function<void(int, int)>& lineDone = {});

struct FilterRun {
    std::vector<EntryRecord> lines; // as temp.lot holds them, marks included
    int checkedCount = 0;
};

// One press of Check: temp.lot becomes a fresh copy of the entry file, the
// chosen filters mark it, and the marked lines come back for the list.
// Throws FileError.
FilterRun runEntryFilter(const QString& entryFile, const QString& workFile,
                         const FilterChoice& choice,
                         const std::function<void(int, int)>& lineDone = {});

// A tick by hand: the mark of line k (1-based) of temp.lot.
void setWorkMark(const QString& workFile, int k, bool checked);

// Rewrites the entry file with the lines of temp.lot that are not checked,
// their records copied unchanged, the count set in record 1. The entry file
// is replaced at once or not at all; temp.lot must still hold the run's
// expectedLines lines. Returns the number of lines kept. Throws FileError.
int removeCheckedLines(const QString& workFile, int expectedLines, const QString& entryFile);

// "03 11 24 35 47 09 ": a line as the filter lists it.
QString displaychecked(const EntryLine& line);

} // namespace numbrava
