// Real main window, full and read-only disk: each write names its unwritten file; no file changes.
// Undo and Redo of each kind of change put every file back, byte for byte.

#include "payouts/payout_files.h"
#include "support/disk_faults.h"
#include "support/main_window_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <map>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QDate kEntriesDate(2003, 7, 5);

struct DiskCase {
    const char* name;
    const char* namedFile;
    const char* undoText;
    // Opens its screen before the disk fills; returns the action that writes.
    std::function<std::function<void()>(MainWindow&)> prepare;
};

void typeInto(QWidget* screen, const QString& pattern, int first, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i)
        screen->findChild<QLineEdit*>(pattern.arg(first + i))->setText(texts[i]);
}

const QStringList kLine{"3", "12", "25", "33", "41", "7"};

const DiskCase kCases[] = {
    {"AddDrawResult", "pbk.rtl", "Undo Add draw of 02 JUL 2003",
     [](MainWindow& w) -> std::function<void()> {
         w.controls().DTPicker1->setValue(QDate(2003, 7, 2));
         w.controls().Command1->click();
         QWidget* form = visibleScreen("Form2");
         typeInto(form, "Text%1", 1, kLine);
         return [form] { clickOn(form, "Command1"); };
     }},
    {"AddEntryLine", "PwrB05JUL2003.lot", "Undo Add 1 line to PwrB05JUL2003.lot",
     [](MainWindow& w) -> std::function<void()> {
         control<QPushButton>(&w, "Command4")->click();
         QWidget* form = visibleScreen("Form5");
         typeInto(form, "Text1_%1", 0, kLine);
         return [form] { clickOn(form, "Command6"); };
     }},
    {"DeleteEntryLine", "PwrB05JUL2003.lot", "Undo Remove 1 line from PwrB05JUL2003.lot",
     [](MainWindow& w) -> std::function<void()> {
         control<QListWidget>(&w, "List1")->item(0)->setSelected(true);
         return [&w] { control<QPushButton>(&w, "Command5")->click(); };
     }},
    {"SavePayoutDefaults", "Defaults.rtl", "Undo Store default payouts",
     [](MainWindow& w) -> std::function<void()> {
         control<QAction>(&w, "mnuDEfaults")->trigger();
         QWidget* form = visibleScreen("defaults");
         typeInto(form, "Text%1", 2, {"100000", "5000", "100", "100", "7", "7", "4", "3"});
         return [form] { clickOn(form, "Command2"); };
     }},
    {"ImportResults", "pbk.rtl", "Undo Import of 1 draws into pbk.rtl",
     [](MainWindow& w) -> std::function<void()> {
         const QString csv = w.context().state.dataFile("new.csv");
         writeFileBytes(csv, "date,b1,b2,b3,b4,b5,bonus\n2003-07-09,1,2,3,4,5,6\n");
         static_cast<FakeDialogs&>(w.context().dialogs).fileToOpen = csv;
         control<QAction>(&w, "mnuImportResults")->trigger();
         QWidget* form = visibleScreen("ImportResults");
         clickOn(form, "Command1");
         return [form] { clickOn(form, "Command2"); };
     }},
};

// Changes whose own disk faults are tested elsewhere (a deletion needs no room).
const DiskCase kMoreChanges[] = {
    {"DeleteDraw", "pbk.rtl", "Undo Delete draw of 05 JUL 2003",
     [](MainWindow& w) -> std::function<void()> {
         return [&w] { w.controls().Command2->click(); };
     }},
    {"ImportText", "PwrB09JUL2003.lot", "Undo Import of mine.txt",
     [](MainWindow& w) -> std::function<void()> {
         writeFileBytes(w.context().state.dataFile("mine.txt"), "41 17 03 22 09 12\r\n");
         control<QAction>(&w, "mnuImport")->trigger();
         QWidget* form = visibleScreen("Form30");
         clickItem(control<QListWidget>(form, "File1"), "mine.txt");
         control<DatePicker>(form, "DTPicker1")->setValue(QDate(2003, 7, 9));
         clickOn(form, "Command2");
         return [form] { clickOn(form, "Command3"); };
     }},
    {"DeleteEntryFile", "PwrB12JUL2003.lot", "Undo Delete PwrB12JUL2003.lot",
     [](MainWindow& w) -> std::function<void()> {
         EntryFile::appendLine(w.context().state.dataFile("PwrB12JUL2003.lot"),
                               {{1, 2, 3, 4, 5}, 6});
         control<QAction>(&w, "mnuDelete")->trigger();
         QWidget* form = visibleScreen("Form8");
         clickItem(control<QListWidget>(form, "File1"), "PwrB12JUL2003.lot");
         return [form] { clickOn(form, "Command3"); };
     }},
    {"FilterRemove", "PwrB05JUL2003.lot", "Undo Remove 2 lines from PwrB05JUL2003.lot",
     [](MainWindow& w) -> std::function<void()> {
         control<QAction>(&w, "mnufilter")->trigger();
         QWidget* form = visibleScreen("Form10");
         control<QCheckBox>(form, "Check1")->click(); // both sums are far below the window
         clickOn(form, "Command1");
         return [form] { clickOn(form, "Command2"); };
     }},
    {"SaveStandingEntry", "StandPB.lot", "Undo Save standing entry StandPB.lot",
     [](MainWindow& w) -> std::function<void()> {
         return [&w] { control<QAction>(&w, "mnustandsave")->trigger(); };
     }},
};
const char* const kScreens[] = {"Form2", "Form5",  "defaults",     "Form30",
                                "Form8", "Form10", "ImportResults"};
} // namespace

// The files every case starts from, on the main screen of Powerball on 5 JUL 2003.
class RealWindowFiles : public MainWindowTest {
  protected:
    void TearDown() override {
        for (const char* screen : kScreens)
            discardScreens(screen);
    }
    void startWithFiles() {
        storeDraw(Powerball, kEntriesDate, {5, 12, 25, 33, 41}, 7);
        storeLines(Powerball, kEntriesDate, {{{1, 2, 3, 4, 5}, 6}, {{6, 7, 8, 9, 10}, 11}});
        DefaultPayoutFile::writeAmounts(file("Defaults.rtl"), {90000, 4000, 90, 90, 6, 6, 3, 2});
        startOn(Powerball);
    }
    std::map<QString, QByteArray> everyFile() const {
        std::map<QString, QByteArray> files;
        for (const QString& name : QDir(folder()).entryList(QDir::Files | QDir::Hidden))
            files[name] = fileBytes(file(name));
        return files;
    }
};

class DiskFault : public RealWindowFiles,
                  public ::testing::WithParamInterface<std::tuple<DiskCase, const char*>> {};

TEST_P(DiskFault, TheMessageNamesTheFileAndNoFileChanges) {
    const auto& [c, disk] = GetParam();
    const bool full = disk == std::string("OnFullDisk");
    startWithFiles();
    const std::function<void()> write = c.prepare(*window);
    dialogs.clear();
    dialogs.answerYes(3);
    const auto before = everyFile();
    if (full) {
        FileSizeLimit full(0);
        write();
    } else {
        ReadOnlyFolder readOnly(folder());
        if (!readOnly.ok())
            GTEST_SKIP() << "cannot mount the folder read-only here";
        write();
    }
    EXPECT_EQ(everyFile(), before);
    // The system's own reason, never "Unknown error".
    const QString reason = full ? "File too large" : "read";
    EXPECT_EQ(dialogs.texts().filter(c.namedFile).filter(reason, Qt::CaseInsensitive).size(), 1)
        << dialogs.texts().join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, DiskFault,
                         ::testing::Combine(::testing::ValuesIn(kCases),
                                            ::testing::Values("OnFullDisk", "OnReadOnlyDisk")),
                         [](const auto& info) {
                             return std::get<0>(info.param).name +
                                    std::string(std::get<1>(info.param));
                         });

class UndoRedo : public RealWindowFiles, public ::testing::WithParamInterface<DiskCase> {
  protected:
    auto shown() const { return std::pair(rows("List1"), shownBalls()); }
    void putBack(const QString& name, const std::map<QString, QByteArray>& files) {
        if (files.contains(name))
            writeFileBytes(file(name), files.at(name));
        else
            QFile::remove(file(name));
    }
};

TEST_P(UndoRedo, PutEveryFileBackAndRefreshTheScreenButNeverOverAnOutsideChangeOrOnAFullDisk) {
    const DiskCase& c = GetParam();
    startWithFiles();
    EXPECT_FALSE(action("mnuUndo")->isEnabled());
    const std::function<void()> write = c.prepare(*window);
    dialogs.answerYes(3);
    const auto before = everyFile();
    const auto shownBefore = shown();
    write();
    EXPECT_EQ(action("mnuUndo")->isEnabled(), window->isEnabled()); // not while a screen is open
    for (const char* screen : kScreens)
        closeScreens(screen);
    const auto after = everyFile();
    const auto shownAfter = shown();
    ASSERT_NE(after, before);
    if (!after.contains(c.namedFile)) // a deleted file waits in the desktop's trash
        EXPECT_TRUE(QFileInfo::exists(qEnvironmentVariable("XDG_DATA_HOME") + "/Trash/files/" +
                                      c.namedFile));
    ASSERT_TRUE(action("mnuUndo")->isEnabled());
    EXPECT_EQ(action("mnuUndo")->text(), c.undoText);
    dialogs.clear();

    writeFileBytes(file(c.namedFile), "changed by hand");
    action("mnuUndo")->trigger();
    EXPECT_EQ(dialogs.texts().filter(c.namedFile).size(), 1) << dialogs.last().toStdString();
    putBack(c.namedFile, after);
    if (before.contains(c.namedFile)) { // Undo writes it back: a full disk stops it
        const FileSizeLimit full(0);
        action("mnuUndo")->trigger();
        EXPECT_EQ(dialogs.texts().filter(c.namedFile).filter("File too large").size(), 1);
    }
    EXPECT_EQ(everyFile(), after);

    dialogs.clear();
    action("mnuUndo")->trigger();
    EXPECT_EQ(std::tuple(everyFile(), shown()), std::tuple(before, shownBefore));
    EXPECT_FALSE(action("mnuUndo")->isEnabled());
    action("mnuRedo")->trigger();
    EXPECT_EQ(std::tuple(everyFile(), shown()), std::tuple(after, shownAfter));
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Writes, UndoRedo, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(More, UndoRedo, ::testing::ValuesIn(kMoreChanges),
                         [](const auto& info) { return std::string(info.param.name); });

// A pipe, a link to /dev/zero or a folder as the standing entry: the window's own message.
TEST_F(DiskFault, NoPipeDeviceOrFolderHoldsTheWindow) {
    startOn(Powerball);
    for (const char* kind : {"pipe", "zero", "folder"}) {
        ASSERT_TRUE(plantNonRegular(kind, file("StandPB.lot"))) << kind;
        dialogs.clear();
        action("mnustandopen")->trigger();
        EXPECT_EQ(dialogs.texts(), QStringList{"You do not have a standing entry for this game!"});
        ASSERT_TRUE(QFile::remove(file("StandPB.lot")) || QDir().rmdir(file("StandPB.lot")));
    }
}
