#include "data/record_file.h"
#include "entries/entry_test_helpers.h"
#include "main/draw_check.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"
#include "ui/title_width.h"

#include <QAccessible>
#include <QGroupBox>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>

using namespace numbrava;
using namespace numbrava::testing;

class MainScreen : public MainWindowTest {
  protected:
    void TearDown() override {
        closeScreens("Form3");
        closeScreens("Form5");
    }
};

TEST_F(MainScreen, FirstRunStartsWithMegaMillionsHasItsHelpAndAboutAndLeavesNothingBehind) {
    startWindow();
    EXPECT_TRUE(child<QRadioButton>("Option2")->isChecked());
    EXPECT_TRUE(rows("List1").isEmpty());
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("0"));
    EXPECT_TRUE(shownBalls().empty());
    // Today's entry file exists while it is current, and an empty one goes.
    EXPECT_TRUE(QFile::exists(file("Mega05JUL2003.lot")));
    EXPECT_TRUE(dialogs.shown.empty());

    action("mnuHelp")->trigger();
    EXPECT_EQ(dialogs.texts(), QStringList{"Cannot find Help file in the installation directory"});

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
    QWidget* help = visibleScreen("helpViewer");
    ASSERT_NE(help, nullptr);
    EXPECT_GT(help->findChild<QTextBrowser*>("helpText")->verticalScrollBar()->value(), 0);
    help->close();
    about->close();
    EXPECT_TRUE(window->isEnabled());
    // From the menu it opens at the top.
    action("mnuHelp")->trigger();
    ASSERT_NE(help = visibleScreen("helpViewer"), nullptr);
    EXPECT_EQ(help->findChild<QTextBrowser*>("helpText")->verticalScrollBar()->value(), 0);
    help->close();

    action("mnuExit")->trigger();
    EXPECT_FALSE(QFile::exists(file("Mega05JUL2003.lot")));
    EXPECT_EQ(fileBytes(file("game.dat")), QByteArray(2, '\0'));
    for (const GameCode game : {Powerball69, MegaMillions70}) {
        startOn(game); // today's games are kept as 1 and 2 for the next start
        action("mnuExit")->trigger();
        EXPECT_EQ(fileBytes(file("game.dat")), le16(game == Powerball69 ? 1 : 2));
        startWindow();
        EXPECT_EQ(state.selectedGame, game);
    }
}

// Picture lists: Powerball 1, bonus 2; Mega Millions the 52 list (3), Mega Ball the 53 list (1).
TEST_F(MainScreen, EachGameShowsItsCaptionsAndTodaysDrawFromItsPictureLists) {
    storeDraw(Powerball, QDate(2003, 7, 2), {1, 2, 3, 4, 5}, 6);
    storeDraw(Powerball, clock.date, {5, 12, 25, 33, 41}, 42);
    storeDraw(MegaMillions, clock.date, {3, 14, 25, 36, 47}, 12);
    // clang-format off
    const struct {
        GameCode game;
        std::vector<int> balls, pictureLists;
        int record;
        const char* history;
        const char* texts;
        const char* spoken; // by a screen reader: the first, the fifth and the bonus ball
    } games[] = {
        {Powerball, {5, 12, 25, 33, 41, 42}, {1, 1, 1, 1, 1, 2}, 2, "pbk.rtl",
         "Powerball|My Enties For Powerball|Draw Date for Powerball|Winning Lines for Powerball",
         "Ball 1: 05|Ball 5: 41|Powerball: 42"},
        {MegaMillions, {3, 14, 25, 36, 47, 12}, {3, 3, 3, 3, 3, 1}, 1, "million.rtl",
         "Mega Ball|My Enties for Mega Millions|Draw Date for Mega Millions|"
         "Winning Lines for Mega Millions", "Ball 1: 03|Ball 5: 47|Mega Ball: 12"}};
    // clang-format on
    for (const auto& g : games) {
        startOn(g.game);
        const QStringList texts{
            child<QLabel>("Label3")->text(), child<QGroupBox>("Frame5")->title(),
            child<QGroupBox>("Frame3")->title(), child<QGroupBox>("Frame6")->title()};
        EXPECT_EQ(texts.join('|'), QLatin1String(g.texts));
        EXPECT_EQ(shownBalls(), g.balls);
        std::vector<int> lists;
        for (QLabel* ball : window->controls().Image2)
            lists.push_back(ball->pixmap().isNull() ? 0 : ball->property("pictureList").toInt());
        EXPECT_EQ(lists, g.pictureLists);
        auto spoken = [&](size_t slot) {
            return QAccessible::queryAccessibleInterface(window->controls().Image2[slot])
                ->text(QAccessible::Name);
        };
        EXPECT_EQ(spoken(0) + '|' + spoken(4) + '|' + spoken(5), QLatin1String(g.spoken));
        EXPECT_EQ(state.displayedDrawRecord, g.record);
        EXPECT_EQ(state.currentHistoryFile, file(g.history));
    }
}

TEST_F(MainScreen, TheTwoDatesShowTheirDrawAndTheirEntryFileAndTheShownDrawCanBeDeleted) {
    storeDraw(MegaMillions, QDate(2003, 7, 1), {1, 2, 3, 4, 5}, 6);
    storeDraw(MegaMillions, clock.date, {3, 14, 25, 36, 47}, 12);
    storeDraw(MegaMillions, QDate(2003, 7, 8), {7, 8, 9, 10, 11}, 1);
    storeLines(MegaMillions, QDate(2003, 7, 1), {lineNo(1), lineNo(2), lineNo(3)});
    startWindow();
    ASSERT_TRUE(window->isDrawShown());
    child<DatePicker>("DTPicker2")->setValue(QDate(2003, 7, 1));
    EXPECT_FALSE(QFile::exists(file("Mega05JUL2003.lot")));
    EXPECT_EQ(state.currentEntryFile, file("Mega01JUL2003.lot"));
    EXPECT_EQ(rows("List1"), (QStringList{"01 11 21 31 41 MB 01", "02 12 22 32 42 MB 02",
                                          "03 13 23 33 43 MB 03"}));
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("3"));

    // A result date without a draw hides the balls and the winning lines only.
    child<QListWidget>("List2")->addItem(QStringLiteral("a winning line"));
    child<QLineEdit>("Text3")->setText(QStringLiteral(" 1"));
    // Typed over the whole text, a date is taken whole or refused whole.
    auto* resultDate = child<DatePicker>("DTPicker1");
    for (const auto& [typed, taken] : {std::pair{"31 June 2003", QDate(2003, 7, 5)},
                                       {"27 August 2005", QDate(2005, 8, 27)},
                                       {"9 July 2003", QDate(2003, 7, 9)}}) {
        QTest::keyClick(resultDate, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(resultDate, QString::fromLatin1(typed));
        QTest::keyClick(resultDate, Qt::Key_Return);
        EXPECT_EQ(resultDate->value(), taken) << typed;
    }
    EXPECT_EQ(resultDate->text(), QStringLiteral("09 July 2003"));
    EXPECT_TRUE(shownBalls().empty());
    EXPECT_TRUE(rows("List2").isEmpty());
    EXPECT_EQ(child<QLineEdit>("Text3")->text(), QStringLiteral("0"));
    EXPECT_EQ(rows("List1").size(), 3);
    // Back to the draw's date through the text form the results list uses.
    ASSERT_TRUE(child<DatePicker>("DTPicker1")->setValueFromText(QStringLiteral("05/JUL/2003")));
    EXPECT_TRUE(window->isDrawShown());

    // Delete Draw asks first; as after a draw was typed in, its record is looked up.
    const QString path = file("million.rtl");
    state.displayedDrawRecord = 0;
    dialogs.clear();
    dialogs.answerNo();
    child<QPushButton>("Command2")->click();
    EXPECT_EQ(dialogs.texts(), QStringList{"Do you really want to delete this draw?"});
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

    // Switching game keeps the file with lines and shows the other game's (empty) file.
    child<QRadioButton>("Option3")->click();
    EXPECT_TRUE(QFile::exists(file("Mega01JUL2003.lot")));
    EXPECT_EQ(state.currentEntryFile, file("PwrB01JUL2003.lot"));
    EXPECT_TRUE(rows("List1").isEmpty());
}

TEST_F(MainScreen, ListsEveryLineOfAFullEntryFileInFileOrder) {
    QByteArray bytes;
    QStringList expected;
    for (int i = 1; i <= kMaxRecords; ++i) {
        const RawRecord r{.count = kMaxRecords,
                          .numbers = {i16(i % 9 + 1), 12, 25, 33, i16(i % 19 + 34)},
                          .bonus = i16(i % 42 + 1)};
        bytes += r.bytes();
        expected << QString::asprintf("%02d 12 25 33 %02d PB %02d", r.numbers[0], r.numbers[4],
                                      r.bonus);
    }
    writeFileBytes(datedEntryFileName(folder(), Powerball, clock.date), bytes);
    startOn(Powerball);
    EXPECT_EQ(rows("List1"), expected);
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("32767"));
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
    // The results list says so again and stays empty.
    window->controls().Image1->click();
    QWidget* form3 = visibleScreen("Form3");
    ASSERT_NE(form3, nullptr);
    EXPECT_EQ(control<QListView>(form3, "List1")->model()->rowCount(), 0);
    EXPECT_EQ(dialogs.texts().mid(2), QStringList{texts[1]});

    window->close();
    EXPECT_EQ(fileBytes(file("million.rtl")), draws);
    EXPECT_EQ(fileBytes(file("Mega05JUL2003.lot")), entries);
}

TEST_F(MainScreen, TheSmallestWindowShowsAWholeWinningLineAndNoCaptionIsCut) {
    startOn(Powerball);
    auto* wins = child<QListWidget>("List2");
    const QString widest = winningLineText(Powerball, EntryLine{{1, 2, 3, 4, 5}, 6}, 1);
    wins->addItems(QStringList(40, widest)); // enough for a scroll bar beside them
    window->show();
    window->resize(1, 1);
    QCoreApplication::processEvents();
    ASSERT_EQ(window->size(), window->minimumSize());
    EXPECT_TRUE(wins->verticalScrollBar()->isVisible());
    EXPECT_EQ(wins->horizontalScrollBar()->maximum(), 0);
    // Message boxes and the help carry the program's icon as well.
    EXPECT_FALSE(QApplication::windowIcon().isNull());

    child<QPushButton>("Command4")->click();
    QWidget* form5 = visibleScreen("Form5");
    ASSERT_NE(form5, nullptr);
    EXPECT_GE(form5->width(), titleBarWidth(form5->windowTitle(), form5->font()));
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_GE(box->width(), titleBarWidth(QStringLiteral("Numbrava"), box->font()));
        box->accept();
    });
    QtDialogs().message(QStringLiteral("Done"));
}
