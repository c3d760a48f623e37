#include "entries/entry_test_helpers.h"
#include "support/main_window_fixture.h"
#include "ui/date_picker.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

using namespace numbrava;
using namespace numbrava::testing;

class MainScreen : public MainWindowTest {
  protected:
    QLabel* ball(int slot) const { return window->controls().Image2[slot]; }
};

TEST_F(MainScreen, FirstRunInAnEmptyFolderStartsWithMegaMillionsAndLeavesNothingBehind) {
    startWindow();
    EXPECT_TRUE(child<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(state.selectedGame, MegaMillions);
    EXPECT_TRUE(rows("List1").isEmpty());
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("0"));
    EXPECT_TRUE(shownBalls().empty());
    EXPECT_EQ(child<QLabel>("Label3")->text(), QStringLiteral("Mega Ball"));
    EXPECT_EQ(child<QGroupBox>("Frame5")->title(), QStringLiteral("My Enties for Mega Millions"));
    EXPECT_EQ(child<QGroupBox>("Frame3")->title(), QStringLiteral("Draw Date for Mega Millions"));
    EXPECT_EQ(child<QGroupBox>("Frame6")->title(),
              QStringLiteral("Winning Lines for Mega Millions"));
    EXPECT_TRUE(child<QPushButton>("Command3")->isHidden());
    // Today's entry file exists while it is current.
    EXPECT_TRUE(QFile::exists(file("Mega05JUL2003.lot")));

    action("mnuExit")->trigger();
    EXPECT_FALSE(QFile::exists(file("Mega05JUL2003.lot")));
    EXPECT_EQ(fileBytes(file("game.dat")), QByteArray(2, '\0'));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainScreen, PowerballChoiceSurvivesARestartThroughGameDat) {
    startOn(Powerball);
    EXPECT_EQ(state.selectedGame, Powerball);
    EXPECT_EQ(child<QLabel>("Label3")->text(), QStringLiteral("Powerball"));
    EXPECT_EQ(child<QGroupBox>("Frame5")->title(), QStringLiteral("My Enties For Powerball"));
    window->close();
    EXPECT_EQ(fileBytes(file("game.dat")), QByteArray(2, '\xff'));

    startWindow();
    EXPECT_TRUE(child<QRadioButton>("Option3")->isChecked());
    EXPECT_EQ(state.selectedGame, Powerball);
    child<QRadioButton>("Option2")->click();
    window->close();
    EXPECT_EQ(fileBytes(file("game.dat")), QByteArray(2, '\0'));
}

// Powerball's five balls come from picture list 1 and its bonus from list 2;
// Mega Millions' from the 52 list (3) and the Mega Ball from the 53 list (1).
TEST_F(MainScreen, ShowsTodaysDrawFromEachGamesPictureLists) {
    storeDraw(Powerball, QDate(2003, 7, 2), {1, 2, 3, 4, 5}, 6);
    storeDraw(Powerball, clock.date, {5, 12, 25, 33, 41}, 42);
    storeDraw(MegaMillions, clock.date, {3, 14, 25, 36, 47}, 12);
    struct {
        GameCode game;
        std::vector<int> balls;
        int mainList, bonusList, record;
        const char* history;
    } const games[] = {{Powerball, {5, 12, 25, 33, 41, 42}, 1, 2, 2, "pbk.rtl"},
                       {MegaMillions, {3, 14, 25, 36, 47, 12}, 3, 1, 1, "million.rtl"}};
    for (const auto& g : games) {
        startOn(g.game);
        ASSERT_EQ(shownBalls(), g.balls);
        for (int slot = 0; slot < 6; ++slot) {
            EXPECT_EQ(ball(slot)->property("pictureList").toInt(),
                      slot < 5 ? g.mainList : g.bonusList);
            EXPECT_EQ(state.displayedDraw[static_cast<size_t>(slot)], g.balls[slot]);
            EXPECT_FALSE(ball(slot)->pixmap().isNull());
        }
        EXPECT_EQ(state.displayedDrawRecord, g.record);
        EXPECT_EQ(state.currentHistoryFile, file(g.history));
    }
}

TEST_F(MainScreen, ADateWithoutADrawHidesTheBallsAndClearsWinningLinesButKeepsEntries) {
    storeDraw(MegaMillions, clock.date, {3, 14, 25, 36, 47}, 12);
    storeLines(MegaMillions, clock.date, {lineNo(1), lineNo(2)});
    startWindow();
    ASSERT_TRUE(window->isDrawShown());
    child<QListWidget>("List2")->addItem(QStringLiteral("a winning line"));
    child<QLineEdit>("Text3")->setText(QStringLiteral(" 1"));

    child<DatePicker>("DTPicker1")->setValue(QDate(2003, 7, 8));
    EXPECT_TRUE(shownBalls().empty());
    EXPECT_TRUE(rows("List2").isEmpty());
    EXPECT_EQ(child<QLineEdit>("Text3")->text(), QStringLiteral("0"));
    EXPECT_EQ(rows("List1").size(), 2);

    // Back to the draw's date through the text form the results list uses.
    ASSERT_TRUE(child<DatePicker>("DTPicker1")->setValueFromText(QStringLiteral("05/JUL/2003")));
    EXPECT_TRUE(window->isDrawShown());
}

TEST_F(MainScreen, ChangingTheEntriesDateListsThatFileAndRemovesTheEmptyOne) {
    const QDate other(2003, 7, 1);
    storeLines(MegaMillions, other, {lineNo(1), lineNo(2), lineNo(3)});
    startWindow();
    EXPECT_TRUE(QFile::exists(file("Mega05JUL2003.lot")));

    child<DatePicker>("DTPicker2")->setValue(other);
    EXPECT_FALSE(QFile::exists(file("Mega05JUL2003.lot")));
    EXPECT_EQ(state.currentEntryFile, file("Mega01JUL2003.lot"));
    EXPECT_EQ(rows("List1"), (QStringList{"01 11 21 31 41 MB 01", "02 12 22 32 42 MB 02",
                                          "03 13 23 33 43 MB 03"}));
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("3"));

    // Switching game keeps the file with lines and shows the other game's (empty) file.
    child<QRadioButton>("Option3")->click();
    EXPECT_TRUE(QFile::exists(file("Mega01JUL2003.lot")));
    EXPECT_EQ(state.currentEntryFile, file("PwrB01JUL2003.lot"));
    EXPECT_TRUE(rows("List1").isEmpty());
}

TEST_F(MainScreen, DeleteDrawAsksAndRemovesTheShownDraw) {
    storeDraw(MegaMillions, QDate(2003, 7, 1), {1, 2, 3, 4, 5}, 6);
    storeDraw(MegaMillions, clock.date, {3, 14, 25, 36, 47}, 12);
    storeDraw(MegaMillions, QDate(2003, 7, 8), {7, 8, 9, 10, 11}, 1);
    startWindow();
    const QString path = file("million.rtl");

    dialogs.answerNo();
    child<QPushButton>("Command2")->click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last(), QStringLiteral("Do you really want to delete this draw?"));
    EXPECT_EQ(dialogs.shown.back().title, QStringLiteral("Numbrava"));
    EXPECT_TRUE(dialogs.shown.back().question);
    EXPECT_EQ(DrawHistoryFile::countDraws(path), 3);
    EXPECT_TRUE(window->isDrawShown());

    dialogs.answerYes();
    child<QPushButton>("Command2")->click();
    EXPECT_TRUE(shownBalls().empty());
    ASSERT_EQ(DrawHistoryFile::countDraws(path), 2);
    EXPECT_EQ(DrawHistoryFile::readDraw(path, 2).day, 8);
    EXPECT_EQ(DrawHistoryFile::findDraw(path, 5, 7, 2003), 0);

    dialogs.clear();
    child<QPushButton>("Command2")->click();
    EXPECT_EQ(dialogs.texts(), QStringList{"There is no draw displayed to delete"});
}

TEST_F(MainScreen, DeleteDrawLooksTheRecordUpWhenItIsUnknown) {
    storeDraw(MegaMillions, QDate(2003, 7, 1), {1, 2, 3, 4, 5}, 6);
    storeDraw(MegaMillions, clock.date, {3, 14, 25, 36, 47}, 12);
    startWindow();
    state.displayedDrawRecord = 0; // as after a draw was typed in
    dialogs.answerYes();
    child<QPushButton>("Command2")->click();
    ASSERT_EQ(DrawHistoryFile::countDraws(file("million.rtl")), 1);
    EXPECT_EQ(DrawHistoryFile::readDraw(file("million.rtl"), 1).day, 1);
}

TEST_F(MainScreen, DamagedFilesAreReportedByNameAndLeftAlone) {
    const QByteArray draws = le32(9) + QByteArray(22, '\0'); // claims nine draws, holds one
    const QByteArray entries(26, '\xff');                    // count -1
    writeFileBytes(file("million.rtl"), draws);
    writeFileBytes(file("Mega05JUL2003.lot"), entries);

    startWindow();
    EXPECT_FALSE(window->isDrawShown());
    EXPECT_TRUE(rows("List1").isEmpty());
    const QStringList texts = dialogs.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("Mega05JUL2003.lot")));
    EXPECT_TRUE(texts[1].contains(QStringLiteral("million.rtl")));

    window->close();
    EXPECT_EQ(fileBytes(file("million.rtl")), draws);
    EXPECT_EQ(fileBytes(file("Mega05JUL2003.lot")), entries);
}

TEST_F(MainScreen, HelpAndAbout) {
    startWindow();
    action("mnuHelp")->trigger();
    EXPECT_EQ(dialogs.texts(), QStringList{"Cannot find Help file in the installation directory"});

    writeFileBytes(file("NUMBRAVA.HLP"), "<html><body>Help text</body></html>");
    dialogs.clear();
    action("mnuHelp")->trigger();
    EXPECT_TRUE(dialogs.shown.empty());
    QWidget* help = visibleScreen("helpViewer");
    ASSERT_NE(help, nullptr);
    help->close();

    action("mnuAbout")->trigger();
    QWidget* about = visibleScreen("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(window->isEnabled());
    clickOn(about, "cmdSysInfo");
    EXPECT_TRUE(dialogs.last().contains(folder()));

    // F1 on a screen opens the help at that screen's own section.
    writeFileBytes(file("NUMBRAVA.HLP"), "<html><body>" +
                                             QByteArray("<p>filler</p>").repeated(300) +
                                             "<a name=\"frmAbout\">About</a></body></html>");
    QTest::keyClick(about, Qt::Key_F1);
    help = visibleScreen("helpViewer");
    ASSERT_NE(help, nullptr);
    EXPECT_GT(help->findChild<QTextBrowser*>("helpText")->verticalScrollBar()->value(), 0);
    help->close();
    about->close();
    EXPECT_TRUE(window->isEnabled());
}
