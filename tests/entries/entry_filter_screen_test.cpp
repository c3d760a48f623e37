#include "entries/entry_test_helpers.h"
#include "support/file_size_limit.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"
#include "ui/date_picker.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
// The sum filter checks the first line (15); with "4" the third shares four with the second.
const std::vector<EntryLine> kLines{
    {{1, 2, 3, 4, 5}, 7}, {{10, 20, 30, 40, 50}, 8}, {{10, 20, 30, 40, 51}, 9}};
const QStringList kItems{"01 02 03 04 05 07 ", "10 20 30 40 50 08 ", "10 20 30 40 51 09 "};

enum class View { Dated, Standing, Wheel };
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
    // Powerball showing the three lines in the given view, Form10 open.
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
};

TEST_F(EntryFilter, OpeningRefusesNoLinesAndAsksBeforeFilteringAWheel) {
    startOn(Powerball);
    action("mnufilter")->trigger();
    EXPECT_EQ(dialogs.texts(), QStringList{"You have no entries displayed to filter."});
    window.reset();
    dialogs.clear();
    openOn(View::Wheel);
    EXPECT_EQ(dialogs.texts(), QStringList{"If you filter a wheel, the guarantee will no longer "
                                           "apply. Are you sure you want to continue?"});
    EXPECT_FALSE(window->isEnabled());
}

TEST_F(EntryFilter, CheckListsTheMarksAndHandTicksFollowTheCopy) {
    openOn(View::Dated);
    check(false, false);
    EXPECT_EQ(dialogs.last(), QStringLiteral("No filter has been specified"));
    check(true, true);
    EXPECT_EQ(modelTexts(items()->model()), kItems);
    EXPECT_EQ(ticks(), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(totals(), (QStringList{"3", "2", "1"}));

    tick(2, false);
    EXPECT_EQ(totals(), (QStringList{"3", "1", "2"}));
    tick(1, true);
    clickOn(form, "Command4");
    const QString indent(16, ' ');
    EXPECT_EQ(printer.lines.mid(3),
              (QStringList{indent + kItems[0] + " Selected for Deletion",
                           indent + kItems[1] + " Selected for Deletion", indent + kItems[2]}));
}

class FilterRemoval : public EntryFilter, public ::testing::WithParamInterface<View> {};

TEST_P(FilterRemoval, RemovesTheCheckedLinesAndTheMainScreenShowsTheRest) {
    const View view = GetParam();
    openOn(view);
    const QByteArray before = fileBytes(entry(view));
    check(false, true, "Option4");
    clickOn(form, "Command2"); // nothing checked: nothing happens
    EXPECT_EQ(fileBytes(entry(view)), before);
    EXPECT_EQ(items()->count(), 3);

    check(false, true);
    clickOn(form, "Command2");
    EXPECT_EQ(totals(), (QStringList{"", "", ""}));
    EXPECT_EQ(EntryFile::readLines(entry(view)), (std::vector<EntryLine>{kLines[0], kLines[1]}));
    clickOn(form, "Command3");
    EXPECT_EQ(state.currentEntryFile, entry(view));
    EXPECT_EQ(rows("List1"), (QStringList{"01 02 03 04 05 PB 07", "10 20 30 40 50 PB 08"}));
    EXPECT_EQ(child<QPushButton>("Command3")->isHidden(), view == View::Dated);
    EXPECT_EQ(child<DatePicker>("DTPicker2")->isHidden(), view == View::Wheel);
}

INSTANTIATE_TEST_SUITE_P(Views, FilterRemoval,
                         ::testing::Values(View::Dated, View::Standing, View::Wheel));

TEST_F(EntryFilter, AFailedRemovalKeepsEveryLineAndRemovingAllLeavesCountZero) {
    openOn(View::Dated);
    const QByteArray before = fileBytes(entry());
    check(true, true);
    tick(1, true);
    {
        const FileSizeLimit limit(kRawRecordSize - 1); // as a full disk would
        clickOn(form, "Command2");
    }
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("No line has been removed")));
    EXPECT_EQ(fileBytes(entry()), before);
    EXPECT_EQ(items()->count(), 3);

    clickOn(form, "Command2");
    EXPECT_EQ(fileBytes(entry()), zeroRecords(1));
    clickOn(form, "Command3");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("0"));
    child<DatePicker>("DTPicker2")->setValue(QDate(2003, 7, 9));
    EXPECT_FALSE(QFile::exists(entry()));
}
