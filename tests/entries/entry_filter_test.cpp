#include "data/file_error.h"
#include "entries/entry_filter.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
using Numbers = std::array<std::int16_t, 5>;

std::vector<EntryRecord> records(const std::vector<Numbers>& lines) {
    std::vector<EntryRecord> out;
    for (const Numbers& numbers : lines)
        out.push_back(EntryRecord{.line = {numbers, 1}});
    return out;
}

std::vector<bool> checkedOf(const std::vector<EntryRecord>& lines) {
    std::vector<bool> checked;
    for (const EntryRecord& r : lines)
        checked.push_back(r.mark == kCheckedMark);
    return checked;
}
} // namespace

TEST(SumFilter, ChecksOnlySumsOutsideTheWindow) {
    const std::tuple<GameCode, int, Numbers, bool> cases[] = {
        {Powerball, 1, {1, 2, 3, 4, 5}, true},       {Powerball, 1, {10, 20, 30, 40, 50}, false},
        {Powerball, 1, {1, 2, 3, 17, 50}, false},    {Powerball, 1, {33, 36, 38, 41, 43}, false},
        {MegaMillions, 5, {1, 2, 10, 50, 51}, true}, {MegaMillions, 5, {10, 20, 31, 45, 50}, true}};
    for (const auto& [game, slider, numbers, checked] : cases) {
        auto lines = records({numbers});
        EXPECT_EQ(checkOutsideSum(lines, sumWindow(game, slider)), checked ? 1 : 0) << numbers[4];
    }
}

TEST(DuplicateFilter, KeepsLinesInFileOrder) {
    const std::tuple<std::vector<Numbers>, int, std::vector<bool>> cases[] = {
        {{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {1, 2, 3, 7, 8}}, 4, {false, true, false}},
        {{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {1, 2, 3, 7, 8}}, 3, {false, true, true}},
        // Damaged lines (a number twice, numbers past 63): every equal pair counts.
        {{{1, 1, 2, 3, 4}, {1, 5, 6, 7, 8}, {70, 71, 2, 3, 9}}, 2, {false, true, true}}};
    for (const auto& [numbers, sharedLimit, checked] : cases) {
        auto lines = records(numbers);
        checkDuplicates(lines, sharedLimit);
        EXPECT_EQ(checkedOf(lines), checked) << sharedLimit;
    }
}

class FilterFiles : public ::testing::Test {
  protected:
    TempFolder folder;
    QString entry = folder.filePath(QStringLiteral("PwrB05JUL2003.lot"));
    QString work = filterWorkFile(folder.path());
    // Odd words in the unused and date fields, a stale mark of -1 on line 3,
    // and a stale record after the count: all of it is carried along.
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
    QByteArray before = line1 + line2 + line3 + stale;

    void SetUp() override { folder.writeFile(QStringLiteral("PwrB05JUL2003.lot"), before); }
    static QByteArray marked(QByteArray record, int mark) {
        return record.replace(24, 2, le16(mark));
    }
};

TEST_F(FilterFiles, TheWorkingCopyIsTheEntryFileWithTheRunsMarks) {
    folder.writeFile(QStringLiteral("temp.lot"), zeroRecords(9));
    EXPECT_EQ(runEntryFilter(entry, work, {.sum = sumWindow(Powerball, 1)}).checkedCount, 1);
    EXPECT_EQ(fileBytes(work), marked(line1, -1) + line2 + marked(line3, 0) + stale);
    EXPECT_EQ(fileBytes(entry), before);

    // Line 2 shares three numbers with line 1, which the sum pass checked first.
    const FilterRun both =
        runEntryFilter(entry, work, {.sum = sumWindow(Powerball, 1), .sharedLimit = 3});
    EXPECT_EQ(both.checkedCount, 1);
    EXPECT_EQ(checkedOf(both.lines), (std::vector<bool>{true, false, false}));
}

TEST_F(FilterFiles, RemovingKeepsTheUncheckedRecordsAsTheyStandWithTheNewCount) {
    runEntryFilter(entry, work, {.sum = sumWindow(Powerball, 1)});
    setWorkMark(work, 2, true);
    setWorkMark(work, 2, false);
    EXPECT_THROW(removeCheckedLines(work, 2, entry), FileError); // not this run's copy
    EXPECT_EQ(removeCheckedLines(work, 3, entry), 2);
    EXPECT_EQ(fileBytes(entry), withCount(marked(line2, 0), 2) + marked(line3, 0));

    runEntryFilter(entry, work, {.sum = sumWindow(Powerball, 5)}); // checks line 1 (152)
    setWorkMark(work, 2, true);
    EXPECT_EQ(removeCheckedLines(work, 2, entry), 0);
    EXPECT_EQ(fileBytes(entry), zeroRecords(1));

    QFile::remove(work); // a missing copy must not read as "keep nothing"
    writeFileBytes(entry, before);
    EXPECT_THROW(removeCheckedLines(work, 0, entry), FileError);
    EXPECT_EQ(fileBytes(entry), before);
}
