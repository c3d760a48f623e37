#include "data/file_error.h"
#include "entries/entry_filter.h"
#include "entries/entry_test_helpers.h"
#include "support/file_size_limit.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
std::vector<EntryRecord> records(const std::vector<std::array<std::int16_t, 5>>& lines) {
    std::vector<EntryRecord> out;
    for (const auto& numbers : lines)
        out.push_back(EntryRecord{.line = {numbers, 1}});
    return out;
}

std::vector<bool> checkedOf(const std::vector<EntryRecord>& lines) {
    std::vector<bool> checked;
    for (const EntryRecord& r : lines)
        checked.push_back(r.mark == kCheckedMark);
    return checked;
}

struct SumCase {
    GameCode game;
    int slider;
    std::array<std::int16_t, 5> numbers;
    bool checked;
};

struct DuplicateCase {
    const char* name;
    std::vector<std::array<std::int16_t, 5>> lines;
    int sharedLimit;
    std::vector<bool> checked;
};
} // namespace

class SumFilter : public ::testing::TestWithParam<SumCase> {};

TEST_P(SumFilter, ChecksOnlySumsOutsideTheWindow) {
    const SumCase& c = GetParam();
    auto lines = records({c.numbers});
    EXPECT_EQ(checkOutsideSum(lines, sumWindow(c.game, c.slider)), c.checked ? 1 : 0);
    EXPECT_EQ(checkedOf(lines), std::vector<bool>{c.checked});
}

INSTANTIATE_TEST_SUITE_P(
    Windows, SumFilter,
    ::testing::Values(SumCase{Powerball, 1, {1, 2, 3, 4, 5}, true},
                      SumCase{Powerball, 1, {10, 20, 30, 40, 50}, false},
                      SumCase{Powerball, 1, {1, 2, 3, 17, 50}, false},    // 73
                      SumCase{Powerball, 1, {1, 2, 3, 16, 50}, true},     // 72
                      SumCase{Powerball, 1, {33, 36, 38, 41, 43}, false}, // 191
                      SumCase{Powerball, 1, {33, 36, 38, 41, 44}, true},  // 192
                      SumCase{MegaMillions, 5, {1, 2, 10, 50, 51}, true}, // 114
                      SumCase{MegaMillions, 5, {1, 2, 11, 50, 51}, false},
                      SumCase{MegaMillions, 5, {10, 20, 30, 45, 50}, false},
                      SumCase{MegaMillions, 5, {10, 20, 31, 45, 50}, true},
                      SumCase{Powerball, 3, {1, 2, 29, 40, 20}, true},         // 92
                      SumCase{MegaMillions, 2, {40, 41, 42, 43, 19}, false})); // 185

class DuplicateFilter : public ::testing::TestWithParam<DuplicateCase> {};

TEST_P(DuplicateFilter, KeepsLinesInFileOrder) {
    const DuplicateCase& c = GetParam();
    auto lines = records(c.lines);
    std::vector<int> progress;
    const int checked =
        checkDuplicates(lines, c.sharedLimit, [&](int done, int) { progress.push_back(done); });
    EXPECT_EQ(checkedOf(lines), c.checked);
    EXPECT_EQ(checked, std::count(c.checked.begin(), c.checked.end(), true));
    EXPECT_EQ(progress.size(), c.lines.size());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DuplicateFilter,
    ::testing::Values(
        DuplicateCase{
            "Four", {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {1, 2, 3, 7, 8}}, 4, {false, true, false}},
        DuplicateCase{
            "Three", {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {1, 2, 3, 7, 8}}, 3, {false, true, true}},
        DuplicateCase{
            "Five", {{1, 2, 3, 4, 5}, {5, 4, 3, 2, 1}, {1, 2, 3, 4, 6}}, 5, {false, true, false}},
        DuplicateCase{"Two",
                      {{1, 2, 3, 4, 5}, {1, 6, 7, 8, 9}, {9, 2, 10, 11, 12}, {1, 2, 13, 14, 15}},
                      2,
                      {false, false, false, true}},
        // A damaged line with a number twice: every equal pair counts.
        DuplicateCase{"RepeatedNumber",
                      {{1, 1, 2, 3, 4}, {1, 5, 6, 7, 8}, {70, 71, 2, 3, 9}},
                      2,
                      {false, true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

class FilterFiles : public ::testing::Test {
  protected:
    TempFolder folder;
    QString entry = folder.filePath(QStringLiteral("PwrB05JUL2003.lot"));
    QString work = filterWorkFile(folder.path());
    // Three lines, odd words in the unused and date fields, a stale mark of -1
    // on line 3, and a stale record after the count.
    QByteArray line1 = RawRecord{.count = 3,
                                 .word4 = 9,
                                 .day = 5,
                                 .month = 7,
                                 .year = 2003,
                                 .numbers = {45, 47, 49, 51, 53},
                                 .bonus = 7}
                           .bytes();
    QByteArray line2 =
        RawRecord{.count = 1, .numbers = {45, 47, 49, 10, 1}, .bonus = 8, .word24 = 4}.bytes();
    QByteArray line3 =
        RawRecord{.count = 2, .numbers = {10, 20, 30, 40, 41}, .bonus = 9, .word24 = -1}.bytes();
    QByteArray stale = RawRecord{.count = 3, .numbers = {1, 2, 3, 4, 5}}.bytes();

    void SetUp() override { folder.writeFile(QStringLiteral("PwrB05JUL2003.lot"), entryBytes()); }
    QByteArray entryBytes() const { return line1 + line2 + line3 + stale; }
    static QByteArray marked(QByteArray record, int mark) {
        return record.replace(24, 2, le16(mark));
    }
};

TEST_F(FilterFiles, TheWorkingCopyIsTheEntryFileWithTheRunsMarks) {
    folder.writeFile(QStringLiteral("temp.lot"), zeroRecords(9));
    const FilterRun sumOnly = runEntryFilter(entry, work, {.sum = sumWindow(Powerball, 1)});
    EXPECT_EQ(sumOnly.checkedCount, 1);
    EXPECT_EQ(fileBytes(work), marked(line1, -1) + line2 + marked(line3, 0) + stale);
    EXPECT_EQ(fileBytes(entry), entryBytes());

    // Line 2 shares three numbers with line 1 but line 1 is already checked.
    const FilterRun both =
        runEntryFilter(entry, work, {.sum = sumWindow(Powerball, 1), .sharedLimit = 3});
    EXPECT_EQ(both.checkedCount, 1);
    EXPECT_EQ(checkedOf(both.lines), (std::vector<bool>{true, false, false}));
    const FilterRun duplicates = runEntryFilter(entry, work, {.sharedLimit = 3});
    EXPECT_EQ(checkedOf(duplicates.lines), (std::vector<bool>{false, true, false}));
}

TEST_F(FilterFiles, RemovingKeepsTheUncheckedRecordsAsTheyStandWithTheNewCount) {
    runEntryFilter(entry, work, {.sum = sumWindow(Powerball, 1)});
    setWorkMark(work, 2, true);
    setWorkMark(work, 2, false);
    EXPECT_EQ(fileBytes(work).mid(kRecordSize, kRecordSize), marked(line2, 0));
    EXPECT_EQ(removeCheckedLines(work, 3, entry), 2);
    EXPECT_EQ(fileBytes(entry), withCount(marked(line2, 0), 2) + marked(line3, 0));

    runEntryFilter(entry, work, {.sum = sumWindow(Powerball, 5)}); // checks line 1 (152)
    setWorkMark(work, 2, true);
    EXPECT_EQ(removeCheckedLines(work, 2, entry), 0);
    EXPECT_EQ(fileBytes(entry), zeroRecords(1));
}

TEST_F(FilterFiles, ARemovalThatCannotFinishLeavesEveryLine) {
    runEntryFilter(entry, work, {.sum = sumWindow(Powerball, 1)});
    {
        const FileSizeLimit limit(kRecordSize);
        EXPECT_THROW(removeCheckedLines(work, 3, entry), FileError);
    }
    EXPECT_THROW(removeCheckedLines(work, 2, entry), FileError); // not this run's copy
    QFile::remove(work);
    EXPECT_THROW(removeCheckedLines(work, 3, entry), FileError);
    EXPECT_EQ(fileBytes(entry), entryBytes());
}
