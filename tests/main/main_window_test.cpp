#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "support/main_window_fixture.h"
#include "support/temp_folder.h"
#include "ui/date_picker.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
QByteArray fileBytes(const QString& path) { return readFileBytes(path); }
void writeBytes(const QString& path, const QByteArray& bytes) { writeFileBytes(path, bytes); }
} // namespace

class MainScreen : public MainWindowTest {
  protected:
    QLabel* ball(int slot) const {
        return window->findChild<QLabel*>(QStringLiteral("Image2_%1").arg(slot));
    }
    bool anyBallShown() const {
        for (int i = 0; i < 6; ++i)
            if (!ball(i)->isHidden())
                return true;
        return false;
    }
    void addDraw(GameCode game, QDate date, std::array<std::int16_t, 5> balls, int bonus) {
        DrawHistoryFile::insertDraw(historyFilePath(folder(), game), balls,
                                    static_cast<std::int16_t>(bonus), date.day(), date.month(),
                                    date.year());
    }
    void addLines(GameCode game, QDate date, int count) {
        for (int i = 0; i < count; ++i)
            EntryFile::appendLine(datedEntryFileName(folder(), game, date),
                                  EntryLine{{1, 2, 3, 4, static_cast<std::int16_t>(5 + i)}, 7});
    }
};

TEST_F(MainScreen, FirstRunInAnEmptyFolderStartsWithMegaMillionsAndLeavesNothingBehind) {
    startWindow();
    EXPECT_TRUE(child<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(state.selectedGame, MegaMillions);
    EXPECT_EQ(child<QListWidget>("List1")->count(), 0);
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("0"));
    EXPECT_FALSE(anyBallShown());
    EXPECT_EQ(child<QLabel>("Label3")->text(), QStringLiteral("Mega Ball"));
    EXPECT_EQ(child<QGroupBox>("Frame5")->title(), QStringLiteral("My Enties for Mega Millions"));
    EXPECT_EQ(child<QGroupBox>("Frame3")->title(), QStringLiteral("Draw Date for Mega Millions"));
    EXPECT_EQ(child<QGroupBox>("Frame6")->title(),
              QStringLiteral("Winning Lines for Mega Millions"));
    EXPECT_TRUE(child<QPushButton>("Command3")->isHidden());
    // Today's entry file exists while it is current.
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("Mega05JUL2003.lot"))));

    action("mnuExit")->trigger();
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("Mega05JUL2003.lot"))));
    EXPECT_EQ(fileBytes(file(QStringLiteral("game.dat"))), QByteArray(2, '\0'));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainScreen, PowerballChoiceSurvivesARestartThroughGameDat) {
    startWindow();
    child<QRadioButton>("Option3")->click();
    EXPECT_EQ(state.selectedGame, Powerball);
    EXPECT_EQ(child<QLabel>("Label3")->text(), QStringLiteral("Powerball"));
    EXPECT_EQ(child<QGroupBox>("Frame5")->title(), QStringLiteral("My Enties For Powerball"));
    window->close();
    EXPECT_EQ(fileBytes(file(QStringLiteral("game.dat"))), QByteArray(2, '\xff'));

    startWindow();
    EXPECT_TRUE(child<QRadioButton>("Option3")->isChecked());
    EXPECT_EQ(state.selectedGame, Powerball);
    child<QRadioButton>("Option2")->click();
    window->close();
    EXPECT_EQ(fileBytes(file(QStringLiteral("game.dat"))), QByteArray(2, '\0'));
}

TEST_F(MainScreen, ShowsTodaysPowerballDrawWithItsPictureLists) {
    addDraw(Powerball, QDate(2003, 7, 2), {1, 2, 3, 4, 5}, 6);
    addDraw(Powerball, QDate(2003, 7, 5), {5, 12, 25, 33, 41}, 42);
    writeBytes(file(QStringLiteral("game.dat")), QByteArray(2, '\xff'));
    startWindow();
    ASSERT_TRUE(window->isDrawShown());
    const int expected[] = {5, 12, 25, 33, 41, 42};
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_FALSE(ball(slot)->isHidden());
        EXPECT_EQ(ball(slot)->property("pictureNumber").toInt(), expected[slot]);
        EXPECT_EQ(ball(slot)->property("pictureList").toInt(), slot < 5 ? 1 : 2);
        EXPECT_EQ(state.displayedDraw[static_cast<size_t>(slot)], expected[slot]);
        EXPECT_FALSE(ball(slot)->pixmap().isNull());
    }
    EXPECT_EQ(state.displayedDrawRecord, 2);
    EXPECT_EQ(state.currentHistoryFile, file(QStringLiteral("pbk.rtl")));
}

TEST_F(MainScreen, MegaMillionsBallsComeFromThe52ListAndTheMegaBallFromThe53List) {
    clock.date = QDate(2003, 7, 4);
    addDraw(MegaMillions, clock.date, {3, 14, 25, 36, 47}, 12);
    startWindow();
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(ball(slot)->property("pictureList").toInt(), 3);
    EXPECT_EQ(ball(5)->property("pictureList").toInt(), 1);
    EXPECT_EQ(ball(5)->property("pictureNumber").toInt(), 12);
}

TEST_F(MainScreen, ADateWithoutADrawHidesTheBallsAndClearsWinningLinesButKeepsEntries) {
    addDraw(MegaMillions, clock.date, {3, 14, 25, 36, 47}, 12);
    addLines(MegaMillions, clock.date, 2);
    startWindow();
    ASSERT_TRUE(window->isDrawShown());
    child<QListWidget>("List2")->addItem(QStringLiteral("a winning line"));
    child<QLineEdit>("Text3")->setText(QStringLiteral(" 1"));

    child<DatePicker>("DTPicker1")->setValue(QDate(2003, 7, 8));
    EXPECT_FALSE(anyBallShown());
    EXPECT_EQ(child<QListWidget>("List2")->count(), 0);
    EXPECT_EQ(child<QLineEdit>("Text3")->text(), QStringLiteral("0"));
    EXPECT_EQ(child<QListWidget>("List1")->count(), 2);

    // Back to the draw's date through the text form the results list uses.
    ASSERT_TRUE(child<DatePicker>("DTPicker1")->setValueFromText(QStringLiteral("05/JUL/2003")));
    EXPECT_TRUE(window->isDrawShown());
}

TEST_F(MainScreen, ChangingTheEntriesDateListsThatFileAndRemovesTheEmptyOne) {
    const QDate other(2003, 7, 1);
    addLines(MegaMillions, other, 3);
    startWindow();
    const QString today = file(QStringLiteral("Mega05JUL2003.lot"));
    EXPECT_TRUE(QFile::exists(today));

    child<DatePicker>("DTPicker2")->setValue(other);
    EXPECT_FALSE(QFile::exists(today));
    EXPECT_EQ(state.currentEntryFile, file(QStringLiteral("Mega01JUL2003.lot")));
    auto* list = child<QListWidget>("List1");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("01 02 03 04 05 MB 07"));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("01 02 03 04 07 MB 07"));
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("3"));

    // Switching game keeps the file with lines and shows the other game's (empty) file.
    child<QRadioButton>("Option3")->click();
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("Mega01JUL2003.lot"))));
    EXPECT_EQ(state.currentEntryFile, file(QStringLiteral("PwrB01JUL2003.lot")));
    EXPECT_EQ(list->count(), 0);
}

TEST_F(MainScreen, DeleteDrawAsksAndRemovesTheShownDraw) {
    addDraw(MegaMillions, QDate(2003, 7, 1), {1, 2, 3, 4, 5}, 6);
    addDraw(MegaMillions, clock.date, {3, 14, 25, 36, 47}, 12);
    addDraw(MegaMillions, QDate(2003, 7, 8), {7, 8, 9, 10, 11}, 1);
    startWindow();
    auto* deleteButton = child<QPushButton>("Command2");

    dialogs.answerNo();
    deleteButton->click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.last(), QStringLiteral("Do you really want to delete this draw?"));
    EXPECT_EQ(dialogs.shown.back().title, QStringLiteral("Numbrava"));
    EXPECT_TRUE(dialogs.shown.back().question);
    EXPECT_EQ(DrawHistoryFile::countDraws(file(QStringLiteral("million.rtl"))), 3);
    EXPECT_TRUE(window->isDrawShown());

    dialogs.answerYes();
    deleteButton->click();
    EXPECT_FALSE(anyBallShown());
    const QString path = file(QStringLiteral("million.rtl"));
    ASSERT_EQ(DrawHistoryFile::countDraws(path), 2);
    EXPECT_EQ(DrawHistoryFile::readDraw(path, 2).day, 8);
    EXPECT_EQ(DrawHistoryFile::findDraw(path, 5, 7, 2003), 0);

    dialogs.clear();
    deleteButton->click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("There is no draw displayed to delete")});
}

TEST_F(MainScreen, DeleteDrawLooksTheRecordUpWhenItIsUnknown) {
    addDraw(MegaMillions, QDate(2003, 7, 1), {1, 2, 3, 4, 5}, 6);
    addDraw(MegaMillions, clock.date, {3, 14, 25, 36, 47}, 12);
    startWindow();
    state.displayedDrawRecord = 0; // as after a draw was typed in
    dialogs.answerYes();
    child<QPushButton>("Command2")->click();
    const QString path = file(QStringLiteral("million.rtl"));
    ASSERT_EQ(DrawHistoryFile::countDraws(path), 1);
    EXPECT_EQ(DrawHistoryFile::readDraw(path, 1).day, 1);
}

TEST_F(MainScreen, DamagedFilesAreReportedByNameAndLeftAlone) {
    QByteArray damaged(26, '\0');
    damaged[0] = 9; // claims nine draws, holds one
    writeBytes(file(QStringLiteral("million.rtl")), damaged);
    QByteArray entries(26, '\xff'); // count -1
    writeBytes(file(QStringLiteral("Mega05JUL2003.lot")), entries);

    startWindow();
    EXPECT_FALSE(window->isDrawShown());
    EXPECT_EQ(child<QListWidget>("List1")->count(), 0);
    const QStringList texts = dialogs.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("Mega05JUL2003.lot")));
    EXPECT_TRUE(texts[1].contains(QStringLiteral("million.rtl")));

    window->close();
    EXPECT_EQ(fileBytes(file(QStringLiteral("million.rtl"))), damaged);
    EXPECT_EQ(fileBytes(file(QStringLiteral("Mega05JUL2003.lot"))), entries);
}

TEST_F(MainScreen, HelpAndAbout) {
    startWindow();
    action("mnuHelp")->trigger();
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral("Cannot find Help file in the installation directory")});

    writeBytes(file(QStringLiteral("NUMBRAVA.HLP")), "<html><body>Help text</body></html>");
    dialogs.clear();
    action("mnuHelp")->trigger();
    EXPECT_TRUE(dialogs.shown.empty());
    QWidget* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("helpViewer"))
            help = w;
    ASSERT_NE(help, nullptr);
    help->close();

    action("mnuAbout")->trigger();
    QWidget* about = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("frmAbout") && w->isVisible())
            about = w;
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(window->isEnabled());
    about->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
    EXPECT_TRUE(dialogs.last().contains(folder()));
    about->close();
    EXPECT_TRUE(window->isEnabled());
}
