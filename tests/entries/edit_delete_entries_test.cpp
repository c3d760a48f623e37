#include "data/record_file.h"
#include "entries/entry_test_helpers.h"
#include "support/main_window_fixture.h"

#include <QLineEdit>

using namespace numbrava;
using namespace numbrava::testing;

// Mega Millions, the first game of a new folder.
class EditAndDelete : public MainWindowTest {
  protected:
    void TearDown() override { discardScreens("editEntry"); }

    QString entryFile() const { return file(QStringLiteral("Mega05JUL2003.lot")); }
    void startWithFiveLines() {
        for (int i = 1; i <= 5; ++i)
            EntryFile::appendLine(entryFile(), lineNo(i));
        startWindow();
    }
    QListWidget* list() const { return child<QListWidget>("List1"); }
    void select(std::initializer_list<int> rows) {
        list()->clearSelection();
        for (int row : rows)
            list()->item(row)->setSelected(true);
    }
    QString count() const { return child<QLineEdit>("Text2")->text(); }
    void remove() { child<QPushButton>("Command5")->click(); }
    // Selects the rows and presses Edit; the edit screen or nullptr.
    QWidget* edit(std::initializer_list<int> rows = {}) {
        select(rows);
        child<QPushButton>("Command6")->click();
        return visibleScreen("editEntry");
    }
    static QLineEdit* box(QWidget* screen, int i) {
        return screen->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));
    }
    // Types the six numbers and presses Change.
    static void change(QWidget* screen, std::array<const char*, 6> texts) {
        for (int i = 0; i < 6; ++i)
            box(screen, i)->setText(QString::fromLatin1(texts[static_cast<size_t>(i)]));
        clickOn(screen, "Command6");
    }
};

TEST_F(EditAndDelete, ABadChangeKeepsTheScreenOpenAndAGoodOneWritesInPlace) {
    startWithFiveLines();
    const QByteArray before = fileBytes(entryFile());
    QWidget* screen = edit({0});
    ASSERT_NE(screen, nullptr);
    change(screen, {"1", "2", "3", "4", "5", ""});
    change(screen, {"1", "2", "3", "4", "53", "52"}); // no 53 in this game
    change(screen, {"1", "2", "2", "4", "5", "5"});
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"One or more of your entries is not a number!",
                           "One or more of your numbers are out of range for the game!",
                           "One or more of your numbers are the same!"}));
    EXPECT_EQ(visibleScreen("editEntry"), screen);
    EXPECT_EQ(box(screen, 2)->text(), QStringLiteral("2"));
    clickOn(screen, "Command5");
    EXPECT_EQ(visibleScreen("editEntry"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(fileBytes(entryFile()), before);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("01 11 21 31 41 MB 01"));

    dialogs.clear();
    screen = edit({1});
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Edit Entry"));
    EXPECT_FALSE(window->isEnabled());
    QStringList shown;
    for (int i = 0; i < 6; ++i)
        shown << box(screen, i)->text();
    EXPECT_EQ(shown, (QStringList{"02", "12", "22", "32", "42", "02"}));
    EXPECT_EQ(control<QLabel>(screen, "Label1")->text(), QStringLiteral("MB"));
    change(screen, {"22", "7", "41", "3", "15", "52"}); // a Mega Ball of 52
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(visibleScreen("editEntry"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    // Only the six numbers of record 2 change; its stale count (1) stays.
    EXPECT_EQ(before.mid(kRecordSize, 4), le32(1));
    EXPECT_EQ(
        fileBytes(entryFile()),
        QByteArray(before).replace(kRecordSize + 12, 12,
                                   le16(3) + le16(7) + le16(15) + le16(22) + le16(41) + le16(52)));
    EXPECT_EQ(list()->count(), 5);
    EXPECT_EQ(list()->item(1)->text(), QStringLiteral("03 07 15 22 41 MB 52"));
    EXPECT_EQ(list()->selectedItems(), QList<QListWidgetItem*>{list()->item(1)});
    EXPECT_EQ(count(), QStringLiteral("5"));
}

TEST_F(EditAndDelete, WheelEntriesAskBeforeEditOrDelete) {
    const QString wheel = file(QStringLiteral("Mega-5-4-3.lot"));
    EntryFile::appendLine(wheel, lineNo(1));
    startWindow();
    state.currentEntryFile = wheel;
    window->listEntryFile(wheel);
    dialogs.answerNo(2);
    EXPECT_EQ(edit({0}), nullptr);
    remove();
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"Editing a wheel entry can change the guarantee of the wheel. Are you "
                           "sure you want to continue?",
                           "Modifying a wheel entry can change the guarantee of the wheel. Are "
                           "you sure you want to continue?"}));
    EXPECT_EQ(EntryFile::countLines(wheel), 1);
    dialogs.answerYes(2);
    remove();
    EXPECT_EQ(EntryFile::countLines(wheel), 0);
    EXPECT_EQ(dialogs.last(), QStringLiteral("Done"));
}

TEST_F(EditAndDelete, RefusalsTheDeleteQuestionAndDeletingTwoLinesThenTheRest) {
    startWithFiveLines();
    const QByteArray before = fileBytes(entryFile());
    child<QListWidget>("List2")->addItem(QStringLiteral("winning line"));
    edit();
    EXPECT_EQ(edit({1, 3}), nullptr);
    EXPECT_TRUE(window->isEnabled());
    select({});
    remove();
    dialogs.answerNo(2);
    select({2});
    remove();
    select({0, 2, 4});
    remove();
    EXPECT_EQ(fileBytes(entryFile()), before);
    EXPECT_EQ(list()->count(), 5);

    select({1, 3});
    dialogs.answerYes();
    remove();
    EXPECT_EQ(EntryFile::readLines(entryFile()),
              (std::vector<EntryLine>{lineNo(1), lineNo(3), lineNo(5)}));
    EXPECT_EQ(rows("List1"), (QStringList{"01 11 21 31 41 MB 01", "03 13 23 33 43 MB 03",
                                          "05 15 25 35 45 MB 05"}));
    EXPECT_EQ(count(), QStringLiteral("3"));
    EXPECT_TRUE(rows("List2").isEmpty());
    // The record after the remaining lines is all zeros.
    EXPECT_EQ(fileBytes(entryFile()).mid(3 * kRecordSize, kRecordSize),
              QByteArray(kRecordSize, '\0'));

    list()->selectAll();
    dialogs.answerYes();
    remove();
    EXPECT_EQ(EntryFile::countLines(entryFile()), 0);
    EXPECT_EQ(count(), QStringLiteral("0"));
    edit();
    remove();
    // Only deleting every line says "Done".
    EXPECT_EQ(
        dialogs.texts(),
        (QStringList{"You have not selected an entry to edit.",
                     "You have more than one entry selected. You must only select one entry "
                     "at a time for editing.",
                     "You have not selected any entries for deletion.",
                     "Are you sure you want to delete the selected entry?",
                     "Are you sure you want to delete the 3 selected entries?",
                     "Are you sure you want to delete the 2 selected entries?",
                     "Are you sure you want to delete the 3 selected entries?", "Done",
                     "There are no entries displayed to edit.", "There are no entries to delete"}));
}

// Another screen took the last two lines away behind the list's back.
TEST_F(EditAndDelete, AFileChangedBehindTheListIsReportedNotCorrupted) {
    startWithFiveLines();
    ASSERT_TRUE(EntryFile::deleteLine(entryFile(), 5));
    ASSERT_TRUE(EntryFile::deleteLine(entryFile(), 4));
    EXPECT_EQ(edit({4}), nullptr);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("no longer holds")));
    dialogs.answerYes();
    remove();
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("Mega05JUL2003.lot")));
    EXPECT_EQ(EntryFile::readLines(entryFile()),
              (std::vector<EntryLine>{lineNo(1), lineNo(2), lineNo(3)}));
}
