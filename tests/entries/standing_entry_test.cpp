#include "entries/entry_test_helpers.h"
#include "support/disk_faults.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"
#include "ui/date_picker.h"

#include <QLineEdit>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QDate kToday(2003, 7, 5);
const QString kNoStanding = QStringLiteral("You do not have a standing entry for this game!");
} // namespace

class StandingEntry : public MainWindowTest {
  protected:
    QString standPB() const { return file("StandPB.lot"); }
    void save() { action("mnustandsave")->trigger(); }
    void open() { action("mnustandopen")->trigger(); }
};

TEST_F(StandingEntry, SavingCopiesTheShownFileWholeAndAsksBeforeReplacing) {
    startOn(Powerball);
    save();
    EXPECT_EQ(dialogs.last(), "You do not have any entries displayed to save as a standing entry");
    storeLines(Powerball, kToday, {lineNo(1), lineNo(2), lineNo(3)});
    EntryFile::deleteLine(file("PwrB05JUL2003.lot"), 3); // a zero record after the count
    const QByteArray first = fileBytes(file("PwrB05JUL2003.lot"));
    window->loadDatedEntryFile();
    dialogs.clear();
    save();
    EXPECT_EQ(dialogs.texts(), QStringList{"Done!"});
    EXPECT_EQ(fileBytes(standPB()), first);

    storeLines(Powerball, kToday.addDays(4), {lineNo(4)});
    child<DatePicker>("DTPicker2")->setValue(kToday.addDays(4));
    dialogs.answerNo();
    save();
    EXPECT_EQ(dialogs.last(), "You already have a standing for this game. Only one standing entry "
                              "is allowed per game. Do you want to continue and overwrite your "
                              "existing file?");
    dialogs.answerYes();
    {
        const FileSizeLimit limit(kRawRecordSize - 1);
        save();
    }
    EXPECT_TRUE(dialogs.last().contains("StandPB.lot")) << dialogs.last().toStdString();
    EXPECT_EQ(fileBytes(standPB()), first);
    dialogs.answerYes();
    save();
    EXPECT_EQ(dialogs.last(), "Done!");
    EXPECT_EQ(fileBytes(standPB()), fileBytes(file("PwrB09JUL2003.lot")));

    open();
    dialogs.clear();
    save(); // the standing entry itself is shown
    EXPECT_EQ(dialogs.texts(), QStringList{"Done."});
}

TEST_F(StandingEntry, OpeningListsTheSelectedGamesFileUntilDatedEntry) {
    storeLines(Powerball, kToday, {lineNo(1)});
    EntryFile::appendLine(file("StandMM.lot"), lineNo(7));
    startOn(Powerball);
    state.openWheelType = 3;
    open();
    EXPECT_EQ(dialogs.texts(), QStringList{kNoStanding});
    EXPECT_EQ(rows("List1"), QStringList{"01 11 21 31 41 PB 01"});

    EntryFile::appendLine(standPB(), lineNo(2));
    open();
    EXPECT_EQ(rows("List1"), QStringList{"02 12 22 32 42 PB 02"});
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "1");
    EXPECT_EQ(state.currentEntryFile, standPB());
    EXPECT_EQ(state.openWheelType, 0);
    EXPECT_FALSE(child<QPushButton>("Command3")->isHidden());
    EXPECT_FALSE(child<DatePicker>("DTPicker2")->isHidden());

    child<QPushButton>("Command3")->click();
    EXPECT_TRUE(child<QPushButton>("Command3")->isHidden());
    EXPECT_EQ(rows("List1"), QStringList{"01 11 21 31 41 PB 01"});

    // A standing file without lines lists as empty and goes once it is left.
    writeFileBytes(standPB(), QByteArray());
    open();
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "0");
    child<QPushButton>("Command3")->click();
    EXPECT_FALSE(QFile::exists(standPB()));
}
