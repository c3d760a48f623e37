#include "data/record_file.h"
#include "entries/entry_file_deletion.h"
#include "entries/entry_test_helpers.h"
#include "support/disk_faults.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QMimeData>
#include <QPointer>

using namespace numbrava;
using namespace numbrava::testing;

const QDate kToday(2003, 7, 5);

class EntryFileScreens : public MainWindowTest {
  protected:
    QPointer<QWidget> screen;

    void TearDown() override { delete screen.data(); }
    void open(const char* menuItem, const char* name) {
        startOn(Powerball);
        action(menuItem)->trigger();
        screen = visibleScreen(name);
        ASSERT_NE(screen, nullptr);
    }
    QStringList listed(const char* list) const {
        return modelTexts(control<QListWidget>(screen, list)->model());
    }
    void choose(const QString& name) {
        QListWidget* files = control<QListWidget>(screen, "File1");
        const QListWidgetItem* item = files->findItems(name, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << name.toStdString();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(item).center());
    }
    bool importOffered() const {
        return !control<QPushButton>(screen, "Command3")->isHidden() &&
               control<QPushButton>(screen, "Command2")->isHidden();
    }
    QString count() const { return child<QLineEdit>("Text2")->text(); }
    QString standPB() const { return file("StandPB.lot"); }
    QString frame5() const { return child<QGroupBox>("Frame5")->title(); }
    void saveStanding() { action("mnustandsave")->trigger(); }
};

TEST_F(EntryFileScreens, DeletionViewsAChosenFileAndDeletesItOnlyWhenNotShownAndAfterYes) {
    const QString other = file("PwrB09JUL2003.lot");
    storeLines(Powerball, kToday, {lineNo(1)});
    storeLines(Powerball, kToday.addDays(4),
               {lineNo(1), EntryLine{{1, 2, 3, 4, 5}, 0}, EntryLine{{10, 20, 30, 40, 50}, 42}});
    EntryFile::deleteLine(other, 1);                     // deleted on the main screen
    writeEntryFile(file("PB69-5-5-3.lot"), {lineNo(1)}); // never listed for an old game
    open("mnuDelete", "Form8");
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("File Deletion"));
    clickOn(screen, "Command3");
    choose("PwrB05JUL2003.lot");
    clickOn(screen, "Command3");
    choose("PwrB09JUL2003.lot");
    EXPECT_EQ(listed("List2"), (QStringList{"01 02 03 04 05 ", "10 20 30 40 50 B 42"}));
    dialogs.answerNo();
    clickOn(screen, "Command3");
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"You have not selected a file for deletion",
                           "You cannot delete this file, you currently have it opened in the main "
                           "program",
                           "Are you sure you want to delete this lottery selection file?"}));
    EXPECT_EQ(std::tuple(QFileInfo::exists(other), listed("List2").size()), std::tuple(true, 2));

    dialogs.answerYes();
    clickOn(screen, "Command3");
    EXPECT_EQ(
        std::tuple(QFileInfo::exists(other), listed("List2"), listed("File1"),
                   dialogs.unscriptedQuestions, dialogs.shown.back().detail),
        std::tuple(false, QStringList(), QStringList{"PwrB05JUL2003.lot"}, 0, "PwrB09JUL2003.lot"));
    // The count is not consulted: a record of zeros ends the list.
    writeFileBytes(file("odd.lot"), RawRecord{.count = 3, .numbers = {9, 8, 7, 6, 5}}.bytes() +
                                        RawRecord{}.bytes() + RawRecord{.numbers = {1}}.bytes());
    EXPECT_EQ(viewEntryFile(file("odd.lot")), QStringList{"09 08 07 06 05 "});

    screen->close(); // a game of today's lists its own files only
    clickGame(Powerball69);
    action("mnuDelete")->trigger();
    ASSERT_NE(screen = visibleScreen("Form8"), nullptr);
    EXPECT_EQ(listed("File1"), (QStringList{"PB69-5-5-3.lot", "PB6905JUL2003.lot"}));
}

// Every change of file or date asks for validation again.
TEST_F(EntryFileScreens, ImportListsTheLinesOnTheMainScreenOnlyForTheDateShown) {
    writeFileBytes(file("mine.txt"), "41 17 03 22 09 12\r\n05 04 03 02 01 42\r\n10 20 30 40 50 1");
    writeFileBytes(file("other.txt"), "01 02 03 04 05 06\n");
    writeFileBytes(file("entries.lot"), "");
    open("mnuImport", "Form30");
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Import Txt File"));
    EXPECT_EQ(listed("File1"), (QStringList{"mine.txt", "other.txt"}));
    clickOn(screen, "Command2");
    EXPECT_EQ(dialogs.texts(), QStringList{"You have not selected a file"});

    // A file of another folder is taken as one of the data folder.
    QTemporaryDir elsewhere;
    writeFileBytes(elsewhere.filePath("other.txt"), "01 02 03 04 05 06\n");
    dialogs.fileToOpen = elsewhere.filePath("other.txt");
    clickOn(screen, "Command4");
    clickOn(screen, "Command2");
    ASSERT_TRUE(importOffered());
    auto* date = control<DatePicker>(screen, "DTPicker1");
    QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(date, "09 July 2003");
    QTest::keyClick(date, Qt::Key_Return);
    EXPECT_FALSE(importOffered());
    clickOn(screen, "Command2");
    clickOn(screen, "Command3");
    EXPECT_EQ(EntryFile::countLines(file("PwrB09JUL2003.lot")), 1);
    choose("mine.txt");
    EXPECT_FALSE(importOffered());
    screen->close(); // nothing imported for the date shown
    EXPECT_EQ(count(), QStringLiteral("0"));

    delete screen.data();
    action("mnuImport")->trigger();
    screen = visibleScreen("Form30");
    QMimeData dragged; // dropped onto the list
    dragged.setUrls({QUrl::fromLocalFile(file("mine.txt"))});
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QDropEvent drop({5, 5}, Qt::CopyAction, &dragged, Qt::LeftButton, {});
    for (QEvent* event : std::initializer_list<QEvent*>{&enter, &drop})
        QApplication::sendEvent(control<QListWidget>(screen, "File1")->viewport(), event);
    EXPECT_EQ(listed("List2").size(), 3);
    dialogs.clear();
    clickOn(screen, "Command2");
    clickOn(screen, "Command3");
    EXPECT_EQ(dialogs.texts(), (QStringList{"Entry Valid - click Import to create entry",
                                            "Entry imported succsessfully"}));
    EXPECT_EQ(count(), QStringLiteral("3"));
    clickOn(screen, "Command1");
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(rows("List1"), (QStringList{"03 09 17 22 41 PB 12", "01 02 03 04 05 PB 42",
                                          "10 20 30 40 50 PB 01"}));
}

// No entry file holds more than 32767 lines: the viewers stop there and say so.
TEST_F(EntryFileScreens, TheViewersStopAtTheLinesAnEntryFileCanHold) {
    QByteArray lot = RawRecord{.count = 1, .numbers = {1, 2, 3, 4, 5}}.bytes();
    writeFileBytes(file("huge.lot"), lot.repeated(kMaxRecords + 9));
    writeFileBytes(file("huge.txt"), QByteArray("01 02 03 04 05 06\n").repeated(kMaxRecords + 9));
    for (const auto& [menu, form, name] :
         {std::tuple{"mnuDelete", "Form8", "huge.lot"}, {"mnuImport", "Form30", "huge.txt"}}) {
        open(menu, form);
        choose(QString::fromLatin1(name));
        const QStringList rows = listed("List2");
        EXPECT_EQ(rows.size(), kMaxRecords + 1) << name;
        EXPECT_TRUE(rows.last().contains("32767 lines")) << rows.last().toStdString();
        delete screen.data();
    }
}

// The standing entry is the selected game's own: StandMM.lot is no Powerball one.
TEST_F(EntryFileScreens, AStandingEntryIsSavedWholeAfterAskingAndListedUntilDatedEntry) {
    EntryFile::appendLine(file("StandMM.lot"), lineNo(7));
    startOn(Powerball);
    saveStanding();
    action("mnustandopen")->trigger();
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"You do not have any entries displayed to save as a standing entry",
                           "You do not have a standing entry for this game!"}));
    storeLines(Powerball, kToday, {lineNo(1), lineNo(2), lineNo(3)});
    EntryFile::deleteLine(file("PwrB05JUL2003.lot"), 3); // a zero record after the count
    const QByteArray first = fileBytes(file("PwrB05JUL2003.lot"));
    window->loadDatedEntryFile();
    dialogs.clear();
    saveStanding();
    EXPECT_EQ(dialogs.texts(), QStringList{"Done!"});
    EXPECT_EQ(fileBytes(standPB()), first);

    storeLines(Powerball, kToday.addDays(4), {lineNo(4)});
    child<DatePicker>("DTPicker2")->setValue(kToday.addDays(4));
    dialogs.answerNo();
    saveStanding();
    EXPECT_EQ(dialogs.last(), "You already have a standing for this game. Only one standing entry "
                              "is allowed per game. Do you want to continue and overwrite your "
                              "existing file?");
    dialogs.answerYes();
    {
        const FileSizeLimit limit(kRawRecordSize - 1);
        saveStanding();
    }
    EXPECT_TRUE(dialogs.last().contains("StandPB.lot")) << dialogs.last().toStdString();
    EXPECT_EQ(fileBytes(standPB()), first);
    dialogs.answerYes();
    saveStanding();
    EXPECT_EQ(std::tuple(dialogs.last(), fileBytes(standPB())),
              std::tuple("Done!", fileBytes(file("PwrB09JUL2003.lot"))));

    EntryFile::appendLine(standPB(), lineNo(2));
    state.openWheelType = 3;
    action("mnustandopen")->trigger();
    EXPECT_EQ(rows("List1"), (QStringList{"04 14 24 34 44 PB 04", "02 12 22 32 42 PB 02"}));
    EXPECT_EQ(std::tuple(count(), state.currentEntryFile, state.openWheelType, frame5()),
              std::tuple(QStringLiteral("2"), standPB(), 0, "Standing Entry for Powerball"));
    dialogs.clear();
    saveStanding(); // the standing entry itself is shown
    EXPECT_EQ(dialogs.texts(), QStringList{"Done."});

    child<QPushButton>("Command3")->click();
    EXPECT_TRUE(child<QPushButton>("Command3")->isHidden());
    EXPECT_EQ(rows("List1"), QStringList{"04 14 24 34 44 PB 04"});
    EXPECT_EQ(std::tuple(state.currentEntryFile, frame5()),
              std::tuple(file("PwrB09JUL2003.lot"), "My Enties For Powerball"));

    // A standing file without lines lists as empty and goes once it is left.
    writeFileBytes(standPB(), QByteArray());
    action("mnustandopen")->trigger();
    EXPECT_EQ(count(), "0");
    child<QPushButton>("Command3")->click();
    EXPECT_FALSE(QFile::exists(standPB()));
}
