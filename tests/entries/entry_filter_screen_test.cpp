#include "data/file_error.h"
#include "entries/entry_filter.h"
#include "entries/entry_test_helpers.h"
#include "support/disk_faults.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

#include <QCheckBox>
#include <random>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
// The sum filter checks the first line (15); with "4" the third shares four with the second.
const std::vector<EntryLine> kLines{
    {{1, 2, 3, 4, 5}, 7}, {{10, 20, 30, 40, 50}, 8}, {{10, 20, 30, 40, 51}, 9}};
const QStringList kItems{"01 02 03 04 05 07 ", "10 20 30 40 50 08 ", "10 20 30 40 51 09 "};

enum class View { Dated, Standing, Wheel };

QByteArray recordsBytes(const std::vector<EntryRecord>& lines) {
    QByteArray bytes;
    for (const EntryRecord& r : lines)
        bytes += r.toBytes();
    return bytes;
}

QString marks(const std::vector<EntryRecord>& lines) {
    QString all;
    for (const EntryRecord& r : lines)
        all += r.mark == kCheckedMark ? 'x' : '.';
    return all;
}
} // namespace

class EntryFilter : public MainWindowTest {
  protected:
    QWidget* form = nullptr;

    void TearDown() override { discardScreens("Form10"); }

    QString entry(View view = View::Dated) const {
        return file(view == View::Dated      ? "PwrB05JUL2003.lot"
                    : view == View::Standing ? "StandPB.lot"
                                             : "PwrB-5-5-3.lot");
    }
    void openOn(View view) {
        writeEntryFile(entry(view), kLines);
        printer.printers << QStringLiteral("Office");
        startOn(Powerball);
        if (view == View::Standing)
            action("mnustandopen")->trigger();
        if (view == View::Wheel) {
            state.openWheelType = 3;
            window->showFixedEntryFile(entry(view), true);
            dialogs.answerYes();
        }
        action("mnufilter")->trigger();
        form = visibleScreen("Form10");
        ASSERT_NE(form, nullptr);
    }
    QListWidget* items() const { return control<QListWidget>(form, "List1"); }
    void check(bool sum, bool duplicates, const char* limit = "Option3") {
        control<QCheckBox>(form, "Check1")->setChecked(sum);
        control<QCheckBox>(form, "Check2")->setChecked(duplicates);
        control<QRadioButton>(form, limit)->setChecked(true);
        clickOn(form, "Command1");
    }
    // The ticks ("x" checked, "." not), then the three totals.
    QStringList shown() const {
        QString ticks;
        for (int i = 0; i < items()->count(); ++i)
            ticks += items()->item(i)->checkState() == Qt::Checked ? 'x' : '.';
        QStringList all{ticks};
        for (const char* name : {"Text1", "Text2", "Text3"})
            all << control<QLineEdit>(form, name)->text();
        return all;
    }
};

TEST_F(EntryFilter, CheckListsTheMarksHandTicksFollowTheCopyAndRemovalIsWholeOrNothing) {
    openOn(View::Dated);
    const QByteArray before = fileBytes(entry());
    EXPECT_FALSE(window->isEnabled());
    check(false, false);
    EXPECT_EQ(dialogs.last(), QStringLiteral("No filter has been specified"));
    check(true, true);
    EXPECT_EQ(modelTexts(items()->model()), kItems);
    EXPECT_EQ(shown(), (QStringList{"x.x", "3", "2", "1"}));

    items()->item(2)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(shown(), (QStringList{"x..", "3", "1", "2"}));
    items()->item(1)->setCheckState(Qt::Checked);
    clickOn(form, "Command4");
    const QString indent(16, ' ');
    EXPECT_EQ(printer.lines.mid(3),
              (QStringList{indent + kItems[0] + " Selected for Deletion",
                           indent + kItems[1] + " Selected for Deletion", indent + kItems[2]}));

    check(true, true);
    items()->item(1)->setCheckState(Qt::Checked);
    {
        const FileSizeLimit limit(kRawRecordSize - 1); // as a full disk would
        clickOn(form, "Command2");
    }
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("No line has been removed")));
    EXPECT_EQ(std::tuple(fileBytes(entry()), items()->count()), std::tuple(before, 3));

    clickOn(form, "Command2");
    EXPECT_EQ(fileBytes(entry()), zeroRecords(1));
    clickOn(form, "Command3");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("0"));
    action("mnufilter")->trigger();
    EXPECT_EQ(dialogs.last(), QStringLiteral("You have no entries displayed to filter."));
    child<DatePicker>("DTPicker2")->setValue(QDate(2003, 7, 9));
    EXPECT_FALSE(QFile::exists(entry()));
}

class FilterRemoval : public EntryFilter, public ::testing::WithParamInterface<View> {};

TEST_P(FilterRemoval, RemovesTheCheckedLinesAndTheMainScreenShowsTheRest) {
    const View view = GetParam();
    openOn(view);
    if (view == View::Wheel)
        EXPECT_EQ(dialogs.texts(), QStringList{"If you filter a wheel, the guarantee will no "
                                               "longer apply. Are you sure you want to continue?"});
    const QByteArray before = fileBytes(entry(view));
    check(false, true, "Option4");
    clickOn(form, "Command2"); // nothing checked: nothing happens
    EXPECT_EQ(std::tuple(fileBytes(entry(view)), items()->count()), std::tuple(before, 3));

    check(false, true);
    clickOn(form, "Command2");
    EXPECT_EQ(shown(), QStringList(4, QString()));
    EXPECT_EQ(EntryFile::readLines(entry(view)), (std::vector<EntryLine>{kLines[0], kLines[1]}));
    clickOn(form, "Command3");
    EXPECT_EQ(rows("List1"), (QStringList{"01 02 03 04 05 PB 07", "10 20 30 40 50 PB 08"}));
    EXPECT_EQ(std::tuple(state.currentEntryFile, child<QPushButton>("Command3")->isHidden(),
                         child<DatePicker>("DTPicker2")->isHidden()),
              std::tuple(entry(view), view == View::Dated, view == View::Wheel));
}

INSTANTIATE_TEST_SUITE_P(Views, FilterRemoval,
                         ::testing::Values(View::Dated, View::Standing, View::Wheel));

TEST(EntryFilterPasses, SumsOutsideTheWindowAndDuplicatesInFileOrder) {
    using Numbers = std::array<std::int16_t, 5>;
    const auto records = [](const std::vector<Numbers>& lines) {
        std::vector<EntryRecord> out;
        for (const Numbers& numbers : lines)
            out.push_back(EntryRecord{.line = {numbers, 1}});
        return out;
    };
    const std::tuple<GameCode, int, Numbers, bool> sums[] = {
        {Powerball, 1, {1, 2, 3, 4, 5}, true},       {Powerball, 1, {10, 20, 30, 40, 50}, false},
        {Powerball, 1, {1, 2, 3, 17, 50}, false},    {Powerball, 1, {33, 36, 38, 41, 43}, false},
        {MegaMillions, 5, {1, 2, 10, 50, 51}, true}, {MegaMillions, 5, {10, 20, 31, 45, 50}, true}};
    for (const auto& [game, slider, numbers, checked] : sums) {
        auto lines = records({numbers});
        EXPECT_EQ(checkOutsideSum(lines, sumWindow(game, slider)), checked ? 1 : 0) << numbers[4];
    }
    // Damaged lines (a number twice, numbers past 63): every equal pair counts.
    const std::tuple<std::vector<Numbers>, int, const char*> duplicates[] = {
        {{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {1, 2, 3, 7, 8}}, 4, ".x."},
        {{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {1, 2, 3, 7, 8}}, 3, ".xx"},
        {{{1, 1, 2, 3, 4}, {1, 5, 6, 7, 8}, {70, 71, 2, 3, 9}}, 2, ".xx"}};
    for (const auto& [numbers, sharedLimit, checked] : duplicates) {
        auto lines = records(numbers);
        checkDuplicates(lines, sharedLimit);
        EXPECT_EQ(marks(lines), checked) << sharedLimit;
    }
}

// The index marks as the pairwise pass did: crowded random files, every limit, byte for byte.
TEST(FilterFiles, TheIndexedPassMarksAsThePairwisePass) {
    TempFolder folder;
    const QString entry = folder.filePath("PwrB05JUL2003.lot"),
                  work = filterWorkFile(folder.path());
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u})
        for (int limit = 2; limit <= 5; ++limit) {
            SCOPED_TRACE(::testing::Message() << "seed " << seed << ", sharing " << limit);
            std::mt19937 random(seed);
            std::vector<EntryRecord> lines(300);
            for (EntryRecord& r : lines)
                for (int k = 0; k < 5; ++k) // columns overlap: a number may come twice
                    r.line.numbers[k] = static_cast<std::int16_t>(random() % 9 + 1 + 5 * k);
            lines[0].count = 300;
            writeFileBytes(entry, recordsBytes(lines));
            const SumWindow window = sumWindow(Powerball, static_cast<int>(seed % 5) + 1);
            checkOutsideSum(lines, window);
            for (size_t i = 0; i < lines.size(); ++i)
                for (size_t j = i + 1; j < lines.size() && lines[i].mark != kCheckedMark; ++j) {
                    int shared = 0;
                    for (auto a : lines[i].line.numbers)
                        shared += static_cast<int>(std::ranges::count(lines[j].line.numbers, a));
                    lines[j].mark = shared >= limit ? kCheckedMark : lines[j].mark;
                }
            runEntryFilter(entry, work, {.sum = window, .sharedLimit = limit});
            EXPECT_EQ(fileBytes(work), recordsBytes(lines));
        }
}

// Odd unused and date fields, a stale mark of -1 on line 3, a record past the count: all carried.
TEST(FilterFiles, TheWorkingCopyHasTheRunsMarksAndRemovingKeepsTheRestAsItStands) {
    TempFolder folder;
    const QString entry = folder.filePath(QStringLiteral("PwrB05JUL2003.lot"));
    const QString work = filterWorkFile(folder.path());
    const QByteArray line1 = drawBytes(3, 9, QDate(2003, 7, 5), {45, 47, 49, 51, 53}, 7);
    const QByteArray line2 =
        RawRecord{.count = 1, .numbers = {45, 47, 49, 10, 1}, .bonus = 8, .word24 = 4}.bytes();
    const QByteArray line3 =
        RawRecord{.count = 2, .numbers = {10, 20, 30, 40, 41}, .bonus = 9, .word24 = -1}.bytes();
    const QByteArray stale = RawRecord{.count = 3, .numbers = {1, 2, 3, 4, 5}}.bytes();
    const QByteArray before = line1 + line2 + line3 + stale;
    const auto marked = [](QByteArray record, int mark) {
        return record.replace(24, 2, le16(mark));
    };
    writeFileBytes(entry, before);
    folder.writeFile(QStringLiteral("temp.lot"), zeroRecords(9));
    EXPECT_EQ(runEntryFilter(entry, work, {.sum = sumWindow(Powerball, 1)}).checkedCount, 1);
    EXPECT_EQ(fileBytes(work), marked(line1, -1) + line2 + marked(line3, 0) + stale);
    EXPECT_EQ(fileBytes(entry), before);
    // Line 2 shares three numbers with line 1, which the sum pass checked first.
    const FilterRun both =
        runEntryFilter(entry, work, {.sum = sumWindow(Powerball, 1), .sharedLimit = 3});
    EXPECT_EQ(std::tuple(both.checkedCount, marks(both.lines)),
              std::tuple(1, QStringLiteral("x..")));

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
