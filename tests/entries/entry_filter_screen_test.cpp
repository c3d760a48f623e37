#include "entries/entry_filter.h"
#include "entries/entry_test_helpers.h"
#include "support/file_size_limit.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"
#include "ui/date_picker.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QDate kToday(2003, 7, 5);
// The sum filter checks the first line (15); with "4" the third shares four with the second.
const std::vector<EntryLine> kLines{
    {{1, 2, 3, 4, 5}, 7}, {{10, 20, 30, 40, 50}, 8}, {{10, 20, 30, 40, 51}, 9}};
const QStringList kItems{"01 02 03 04 05 07 ", "10 20 30 40 50 08 ", "10 20 30 40 51 09 "};

enum class View { Dated, Standing, Wheel };
[[maybe_unused]] void PrintTo(View view, std::ostream* os) {
    *os << (view == View::Dated ? "Dated" : view == View::Standing ? "Standing" : "Wheel");
}
} // namespace

class EntryFilter : public MainWindowTest {
  protected:
    QWidget* form = nullptr;

    void TearDown() override { discardScreens("Form10"); }

    QString entry(View view) const {
        return file(view == View::Dated      ? QStringLiteral("PwrB05JUL2003.lot")
                    : view == View::Standing ? QStringLiteral("StandPB.lot")
                                             : QStringLiteral("PwrB-5-5-3.lot"));
    }
    // Powerball showing the three lines in the given view.
    void showLines(View view) {
        writeEntryFile(entry(view), kLines);
        printer.printers << QStringLiteral("Office");
        startOn(Powerball);
        if (view == View::Standing)
            action("mnustandopen")->trigger();
        if (view == View::Wheel) {
            state.openWheelType = 3;
            window->showFixedEntryFile(entry(view), true);
        }
    }
    QWidget* openFilter() {
        action("mnufilter")->trigger();
        form = visibleScreen("Form10");
        return form;
    }
    template <typename T> T* on(const char* name) const { return control<T>(form, name); }
    QListWidget* items() const { return on<QListWidget>("List1"); }
    void check(bool sum, bool duplicates, const char* limit = "Option3") {
        on<QCheckBox>("Check1")->setChecked(sum);
        on<QCheckBox>("Check2")->setChecked(duplicates);
        on<QRadioButton>(limit)->setChecked(true);
        clickOn(form, "Command1");
    }
    std::vector<bool> ticks() const {
        std::vector<bool> all;
        for (int i = 0; i < items()->count(); ++i)
            all.push_back(items()->item(i)->checkState() == Qt::Checked);
        return all;
    }
    QStringList totals() const {
        return {on<QLineEdit>("Text1")->text(), on<QLineEdit>("Text2")->text(),
                on<QLineEdit>("Text3")->text()};
    }
    void tick(int row, bool checked) {
        items()->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    QByteArray workMark(int line) const {
        return recordOf(fileBytes(file(QStringLiteral("temp.lot"))), line).mid(24);
    }
};

TEST_F(EntryFilter, OpeningRefusesNoLinesAndAsksBeforeFilteringAWheel) {
    startOn(Powerball);
    dialogs.clear();
    EXPECT_EQ(openFilter(), nullptr);
    EXPECT_EQ(dialogs.texts(), QStringList{"You have no entries displayed to filter."});

    window.reset();
    showLines(View::Wheel);
    dialogs.clear();
    dialogs.answerNo();
    EXPECT_EQ(openFilter(), nullptr);
    EXPECT_EQ(dialogs.texts(), QStringList{"If you filter a wheel, the guarantee will no longer "
                                           "apply. Are you sure you want to continue?"});
    dialogs.answerYes();
    ASSERT_NE(openFilter(), nullptr);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Filter"));
}

TEST_F(EntryFilter, CheckListsTheMarksAndHandTicksFollowTheCopy) {
    showLines(View::Dated);
    ASSERT_NE(openFilter(), nullptr);
    check(false, false);
    EXPECT_EQ(dialogs.last(), QStringLiteral("No filter has been specified"));
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("temp.lot"))));

    check(true, true);
    EXPECT_EQ(modelTexts(items()->model()), kItems);
    EXPECT_EQ(ticks(), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(totals(), (QStringList{"3", "2", "1"}));
    EXPECT_EQ(on<QProgressBar>("ProgressBar1")->value(), 0);

    tick(2, false);
    EXPECT_EQ(totals(), (QStringList{"3", "1", "2"}));
    EXPECT_EQ(workMark(3), le16(0));
    tick(1, true);
    EXPECT_EQ(workMark(2), le16(-1));
    EXPECT_EQ(totals(), (QStringList{"3", "2", "1"}));

    clickOn(form, "Command4");
    EXPECT_EQ(printer.lines.mid(3),
              (QStringList{QString(16, ' ') + kItems[0] + " Selected for Deletion",
                           QString(16, ' ') + kItems[1] + " Selected for Deletion",
                           QString(16, ' ') + kItems[2]}));

    // A second Check starts again from the entry file.
    check(false, true, "Option2");
    EXPECT_EQ(ticks(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(totals(), (QStringList{"3", "1", "2"}));
}

class FilterRemoval : public EntryFilter, public ::testing::WithParamInterface<View> {};

TEST_P(FilterRemoval, RemovesTheCheckedLinesAndTheMainScreenShowsTheRest) {
    const View view = GetParam();
    showLines(view);
    const QByteArray before = fileBytes(entry(view));
    if (view == View::Wheel)
        dialogs.answerYes();
    ASSERT_NE(openFilter(), nullptr);
    clickOn(form, "Command2"); // before any Check
    check(false, true, "Option4");
    clickOn(form, "Command2"); // nothing checked
    EXPECT_EQ(fileBytes(entry(view)), before);
    EXPECT_EQ(items()->count(), 3);

    check(false, true);
    clickOn(form, "Command2");
    EXPECT_EQ(items()->count(), 0);
    EXPECT_EQ(totals(), (QStringList{"", "", ""}));
    EXPECT_EQ(EntryFile::readLines(entry(view)), (std::vector<EntryLine>{kLines[0], kLines[1]}));

    clickOn(form, "Command3");
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(state.currentEntryFile, entry(view));
    EXPECT_EQ(rows("List1"), (QStringList{"01 02 03 04 05 PB 07", "10 20 30 40 50 PB 08"}));
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("2"));
    EXPECT_EQ(child<QPushButton>("Command3")->isHidden(), view == View::Dated);
    EXPECT_EQ(child<DatePicker>("DTPicker2")->isHidden(), view == View::Wheel);
}

INSTANTIATE_TEST_SUITE_P(Views, FilterRemoval,
                         ::testing::Values(View::Dated, View::Standing, View::Wheel));

TEST_F(EntryFilter, RemovingEveryLineLeavesCountZeroAndAFailureLeavesEveryLine) {
    showLines(View::Dated);
    const QByteArray before = fileBytes(entry(View::Dated));
    ASSERT_NE(openFilter(), nullptr);
    check(true, true);
    tick(1, true);
    {
        const FileSizeLimit limit(kRawRecordSize - 1);
        clickOn(form, "Command2");
    }
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("No line has been removed")));
    EXPECT_EQ(fileBytes(entry(View::Dated)), before);
    EXPECT_EQ(items()->count(), 3);

    clickOn(form, "Command2");
    EXPECT_EQ(fileBytes(entry(View::Dated)), zeroRecords(1));
    clickOn(form, "Command3");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("0"));
    child<DatePicker>("DTPicker2")->setValue(kToday.addDays(4));
    EXPECT_FALSE(QFile::exists(entry(View::Dated)));
}
