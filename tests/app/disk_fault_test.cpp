// Real main window, full and read-only disk: each write names its unwritten file; no file changes.

#include "payouts/payout_files.h"
#include "support/disk_faults.h"
#include "support/main_window_fixture.h"

#include <QDir>
#include <map>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QDate kEntriesDate(2003, 7, 5);

struct DiskCase {
    const char* name;
    const char* namedFile;
    // Opens its screen before the disk fills; returns the action that writes.
    std::function<std::function<void()>(MainWindow&)> prepare;
};

void typeInto(QWidget* screen, const QString& pattern, int first, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i)
        screen->findChild<QLineEdit*>(pattern.arg(first + i))->setText(texts[i]);
}

const QStringList kLine{"3", "12", "25", "33", "41", "7"};

const DiskCase kCases[] = {
    {"AddDrawResult", "pbk.rtl",
     [](MainWindow& w) -> std::function<void()> {
         w.controls().DTPicker1->setValue(QDate(2003, 7, 2));
         w.controls().Command1->click();
         QWidget* form = visibleScreen("Form2");
         typeInto(form, "Text%1", 1, kLine);
         return [form] { clickOn(form, "Command1"); };
     }},
    {"AddEntryLine", "PwrB05JUL2003.lot",
     [](MainWindow& w) -> std::function<void()> {
         control<QPushButton>(&w, "Command4")->click();
         QWidget* form = visibleScreen("Form5");
         typeInto(form, "Text1_%1", 0, kLine);
         return [form] { clickOn(form, "Command6"); };
     }},
    {"DeleteEntryLine", "PwrB05JUL2003.lot",
     [](MainWindow& w) -> std::function<void()> {
         control<QListWidget>(&w, "List1")->item(0)->setSelected(true);
         return [&w] { control<QPushButton>(&w, "Command5")->click(); };
     }},
    {"SavePayoutDefaults", "Defaults.rtl",
     [](MainWindow& w) -> std::function<void()> {
         control<QAction>(&w, "mnuDEfaults")->trigger();
         QWidget* form = visibleScreen("defaults");
         typeInto(form, "Text%1", 2, {"100000", "5000", "100", "100", "7", "7", "4", "3"});
         return [form] { clickOn(form, "Command2"); };
     }},
};
} // namespace

class DiskFault : public MainWindowTest,
                  public ::testing::WithParamInterface<std::tuple<DiskCase, const char*>> {
  protected:
    void TearDown() override {
        for (const char* screen : {"Form2", "Form5", "defaults"})
            discardScreens(screen);
    }
    std::map<QString, QByteArray> everyFile() const {
        std::map<QString, QByteArray> files;
        for (const QString& name : QDir(folder()).entryList(QDir::Files | QDir::Hidden))
            files[name] = fileBytes(file(name));
        return files;
    }
};

TEST_P(DiskFault, TheMessageNamesTheFileAndNoFileChanges) {
    const auto& [c, disk] = GetParam();
    const bool full = disk == std::string("OnFullDisk");
    storeDraw(Powerball, kEntriesDate, {5, 12, 25, 33, 41}, 7);
    storeLines(Powerball, kEntriesDate, {{{1, 2, 3, 4, 5}, 6}, {{6, 7, 8, 9, 10}, 11}});
    DefaultPayoutFile::writeAmounts(file("Defaults.rtl"), {90000, 4000, 90, 90, 6, 6, 3, 2});
    startOn(Powerball);
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
