#include "entries/entry_file_deletion.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"

#include <QFileInfo>
#include <QPointer>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QDate kToday(2003, 7, 5);
const QDate kOtherDay(2003, 7, 9);
const EntryLine kLine1{{3, 12, 25, 33, 41}, 7};
const EntryLine kLine2{{1, 2, 3, 4, 5}, 0};
const EntryLine kLine3{{10, 20, 30, 40, 50}, 42};
} // namespace

class DeletionScreen : public MainWindowTest {
  protected:
    QPointer<QWidget> screen;

    void SetUp() override {
        storeLines(Powerball, kToday, {kLine1});
        storeLines(Powerball, kOtherDay, {kLine1, kLine2, kLine3});
    }
    void TearDown() override { delete screen.data(); }

    QString shownFile() const { return file(QStringLiteral("PwrB05JUL2003.lot")); }
    QString otherFile() const { return file(QStringLiteral("PwrB09JUL2003.lot")); }
    void open() {
        startOn(Powerball);
        action("mnuDelete")->trigger();
        screen = visibleScreen("Form8");
        ASSERT_NE(screen, nullptr);
    }
    QListWidget* list(const char* name) const { return control<QListWidget>(screen, name); }
    void choose(const QString& path) {
        QListWidget* files = list("File1");
        files->setCurrentItem(
            files->findItems(QFileInfo(path).fileName(), Qt::MatchExactly).value(0));
    }
    QStringList shown() const { return modelTexts(list("List2")->model()); }
};

TEST_F(DeletionScreen, TheViewerStopsAtTheFirstLineStartingWithZero) {
    EntryFile::deleteLine(otherFile(), 1); // deleted on the main screen
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("File Deletion"));
    choose(otherFile());
    EXPECT_EQ(shown(), (QStringList{"01 02 03 04 05 ", "10 20 30 40 50 B 42"}));
    // The count is not consulted: a record of zeros ends the list.
    writeFileBytes(file("odd.lot"), RawRecord{.count = 3, .numbers = {9, 8, 7, 6, 5}}.bytes() +
                                        RawRecord{}.bytes() + RawRecord{.numbers = {1}}.bytes());
    EXPECT_EQ(viewEntryFile(file("odd.lot")), QStringList{"09 08 07 06 05 "});
}

TEST_F(DeletionScreen, OnlyAChosenFileThatIsNotShownGoesAndOnlyAfterYes) {
    open();
    clickOn(screen, "Command3");
    choose(shownFile());
    clickOn(screen, "Command3");
    choose(otherFile());
    dialogs.answerNo();
    clickOn(screen, "Command3");
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"You have not selected a file for deletion",
                           "You cannot delete this file, you currently have it opened in the main "
                           "program",
                           "Are you sure you want to delete this lottery selection file?"}));
    EXPECT_TRUE(QFileInfo::exists(shownFile()));
    EXPECT_EQ(shown().size(), 3);

    dialogs.answerYes();
    clickOn(screen, "Command3");
    EXPECT_FALSE(QFileInfo::exists(otherFile()));
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(modelTexts(list("File1")->model()), QStringList{"PwrB05JUL2003.lot"});
    EXPECT_EQ(dialogs.unscriptedQuestions, 0);
}
