#include "entries/entry_test_helpers.h"
#include "support/file_size_limit.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"
#include "ui/date_picker.h"

#include <QLineEdit>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QDate kToday(2003, 7, 5);
const char* const kNoStanding = "You do not have a standing entry for this game!";
const char* const kOverwrite =
    "You already have a standing for this game. Only one standing entry is allowed per game. "
    "Do you want to continue and overwrite your existing file?";
} // namespace

class StandingEntry : public MainWindowTest {
  protected:
    QString standPB() const { return file(QStringLiteral("StandPB.lot")); }
    QString todayPB() const { return file(QStringLiteral("PwrB05JUL2003.lot")); }
    void save() { action("mnustandsave")->trigger(); }
    void open() { action("mnustandopen")->trigger(); }
    QString count() const { return child<QLineEdit>("Text2")->text(); }
    bool datedView() const { return child<QPushButton>("Command3")->isHidden(); }
};

TEST_F(StandingEntry, SavingCopiesTheShownFileByteForByteAndAsksBeforeReplacing) {
    storeLines(Powerball, kToday, {lineNo(1), lineNo(2), lineNo(3)});
    EntryFile::deleteLine(todayPB(), 3); // leaves a stale zero record after the count
    const QByteArray first = fileBytes(todayPB());
    startOn(Powerball);

    save();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Done!")});
    EXPECT_EQ(fileBytes(standPB()), first);

    storeLines(Powerball, kToday.addDays(4), {lineNo(4)});
    child<DatePicker>("DTPicker2")->setValue(kToday.addDays(4));
    dialogs.clear();
    dialogs.answerNo();
    save();
    EXPECT_EQ(dialogs.texts(), QStringList{QString::fromLatin1(kOverwrite)});
    EXPECT_EQ(fileBytes(standPB()), first);

    dialogs.answerYes();
    save();
    EXPECT_EQ(dialogs.last(), QStringLiteral("Done!"));
    EXPECT_EQ(fileBytes(standPB()), fileBytes(file(QStringLiteral("PwrB09JUL2003.lot"))));
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("StandMM.lot"))));
}

TEST_F(StandingEntry, RefusalsAndAFailedCopyChangeNothing) {
    startOn(Powerball);
    save();
    EXPECT_EQ(dialogs.last(),
              QStringLiteral("You do not have any entries displayed to save as a standing entry"));

    storeLines(Powerball, kToday, {lineNo(1), lineNo(2)});
    writeFileBytes(standPB(),
                   RawRecord{.count = 1, .numbers = {9, 19, 29, 39, 49}, .bonus = 9}.bytes());
    const QByteArray standing = fileBytes(standPB());
    window->loadDatedEntryFile();
    dialogs.clear();
    dialogs.answerYes();
    {
        const FileSizeLimit limit(kRawRecordSize);
        save();
    }
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("StandPB.lot")))
        << dialogs.last().toStdString();
    EXPECT_EQ(fileBytes(standPB()), standing);

    open();
    dialogs.clear();
    save(); // the standing entry itself is shown
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Done.")});
    EXPECT_EQ(fileBytes(standPB()), standing);
}

TEST_F(StandingEntry, OpeningListsTheSelectedGamesFileAndDatedEntryGoesBack) {
    storeLines(Powerball, kToday, {lineNo(1)});
    EntryFile::appendLine(file(QStringLiteral("StandMM.lot")), lineNo(7));
    startOn(Powerball);
    state.openWheelType = 3;
    open();
    EXPECT_EQ(dialogs.texts(), QStringList{QString::fromLatin1(kNoStanding)});
    EXPECT_EQ(rows("List1"), QStringList{QStringLiteral("01 11 21 31 41 PB 01")});
    EXPECT_EQ(state.currentEntryFile, todayPB());

    EntryFile::appendLine(standPB(), lineNo(2));
    EntryFile::appendLine(standPB(), lineNo(3));
    open();
    EXPECT_EQ(rows("List1"), (QStringList{QStringLiteral("02 12 22 32 42 PB 02"),
                                          QStringLiteral("03 13 23 33 43 PB 03")}));
    EXPECT_EQ(count(), QStringLiteral("2"));
    EXPECT_EQ(state.currentEntryFile, standPB());
    EXPECT_EQ(state.openWheelType, 0);
    EXPECT_FALSE(datedView());
    EXPECT_FALSE(child<DatePicker>("DTPicker2")->isHidden());

    child<QPushButton>("Command3")->click();
    EXPECT_TRUE(datedView());
    EXPECT_EQ(state.currentEntryFile, todayPB());
    EXPECT_EQ(rows("List1"), QStringList{QStringLiteral("01 11 21 31 41 PB 01")});
}

TEST_F(StandingEntry, AnEmptyStandingFileListsNothingAndGoesWhenLeft) {
    writeFileBytes(standPB(), QByteArray());
    startOn(Powerball);
    open();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(count(), QStringLiteral("0"));
    EXPECT_EQ(child<QListWidget>("List1")->count(), 0);
    EXPECT_FALSE(datedView());
    child<QPushButton>("Command3")->click();
    EXPECT_FALSE(QFile::exists(standPB()));
    open();
    EXPECT_EQ(dialogs.last(), QString::fromLatin1(kNoStanding));
}
