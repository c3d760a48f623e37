#include "support/main_window_fixture.h"
#include "ui/date_picker.h"

#include <QListView>
#include <QToolButton>

using namespace numbrava;
using namespace numbrava::testing;

class ResultsList : public MainWindowTest {
  protected:
    void TearDown() override { closeScreens("Form3"); }

    void storePowerballDraws() {
        storeDraw(Powerball, QDate(2003, 7, 5), {5, 12, 25, 33, 41}, 7);
        storeDraw(Powerball, QDate(2003, 12, 10), {2, 4, 6, 8, 10}, 12);
        storeDraw(Powerball, QDate(2003, 12, 9), {1, 3, 17, 39, 53}, 42);
    }
    QWidget* openList() {
        window->controls().Image1->click();
        return visibleScreen("Form3");
    }
    static QListView* list(QWidget* form3) { return control<QListView>(form3, "List1"); }
    static QStringList lines(QWidget* form3) { return modelTexts(list(form3)->model()); }
    // A user's double-click: a click, then the second press that the system
    // reports as a double-click.
    static void doubleClickAt(QListView* view, QPoint point) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point);
    }
};

TEST_F(ResultsList, ListsEveryDrawOfTheGameInFileOrder) {
    storePowerballDraws();
    storeDraw(MegaMillions, QDate(2003, 7, 4), {3, 14, 25, 36, 47}, 52);
    startOn(Powerball);
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    EXPECT_EQ(form3->windowTitle(), QStringLiteral("Draw Results for Powerball"));
    EXPECT_EQ(control<QLabel>(form3, "Label1")->text(),
              QStringLiteral("Double-click entry to select result for the main screen"));
    EXPECT_EQ(lines(form3), (QStringList{"00001 07 05 2003: 05 12 25 33 41 PB 07",
                                         "00002 12 09 2003: 01 03 17 39 53 PB 42",
                                         "00003 12 10 2003: 02 04 06 08 10 PB 12"}));
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
    form3->close();

    child<QRadioButton>("Option2")->click();
    form3 = openList();
    ASSERT_NE(form3, nullptr);
    EXPECT_EQ(form3->windowTitle(), QStringLiteral("Draw Results for Mega Millions"));
    EXPECT_EQ(lines(form3), QStringList{"00001 07 04 2003: 03 14 25 36 47 MB 52"});
}

TEST_F(ResultsList, DoubleClickShowsThatDrawOnTheMainScreenAndStaysOpen) {
    storePowerballDraws();
    startOn(Powerball);
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    QListView* view = list(form3);
    doubleClickAt(view, view->visualRect(view->model()->index(1, 0)).center()); // 9 December 2003
    EXPECT_EQ(window->controls().DTPicker1->value(), QDate(2003, 12, 9));
    EXPECT_EQ(shownBalls(), (std::vector<int>{1, 3, 17, 39, 53, 42}));
    EXPECT_EQ(state.displayedDrawRecord, 2);
    EXPECT_EQ(visibleScreen("Form3"), form3);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
}

// A long history opens at its newest draw, still oldest first and with nothing
// selected; Enter on a line does what a double-click does.
TEST_F(ResultsList, OpensAtTheNewestDrawAndEnterShowsTheLineReached) {
    const QDate first(2003, 1, 1);
    for (int day = 0; day < 80; ++day)
        storeDraw(Powerball, first.addDays(day),
                  {1, 2, 3, 4, static_cast<std::int16_t>(5 + day % 40)}, 7);
    startOn(Powerball);
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    QListView* view = list(form3);
    EXPECT_TRUE(lines(form3).first().startsWith(QStringLiteral("00001 01 01 2003")));
    EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(view->model()->index(79, 0))));
    EXPECT_FALSE(view->selectionModel()->hasSelection());

    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(window->controls().DTPicker1->value(), first.addDays(79));
    QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(window->controls().DTPicker1->value(), first.addDays(78));
    EXPECT_EQ(view->selectionModel()->selectedRows().value(0).row(), 78);
}

TEST_F(ResultsList, DoubleClickOffTheLinesChangesNothing) {
    startOn(Powerball);
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    doubleClickAt(list(form3), QPoint(10, 10)); // an empty list
    EXPECT_EQ(window->controls().DTPicker1->value(), clock.date);
    EXPECT_TRUE(dialogs.shown.empty());
    form3->close();

    storePowerballDraws();
    form3 = openList();
    ASSERT_NE(form3, nullptr);
    QListView* view = list(form3);
    const QRect last = view->visualRect(view->model()->index(2, 0));
    ASSERT_LT(last.bottom() + 20, view->viewport()->height());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, last.center()); // a line was selected
    doubleClickAt(view, QPoint(10, last.bottom() + 15));
    EXPECT_EQ(window->controls().DTPicker1->value(), clock.date);
    EXPECT_EQ(visibleScreen("Form3"), form3);
}

TEST_F(ResultsList, PrintListIsOffWithoutAPrinterAndPrintsEveryLineWithOne) {
    storePowerballDraws();
    startOn(Powerball);
    state.printerAvailable = false;
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    EXPECT_FALSE(control<QPushButton>(form3, "Command2")->isEnabled());
    form3->close();

    state.printerAvailable = true;
    form3 = openList();
    ASSERT_NE(form3, nullptr);
    clickOn(form3, "Command2");
    QStringList expected{QString(), QString(), QString()};
    for (const QString& line : lines(form3))
        expected << QString(16, QLatin1Char(' ')) + line;
    EXPECT_EQ(printer.lines, expected);
    EXPECT_EQ(printer.documentsEnded, 1);
    EXPECT_TRUE(dialogs.shown.empty());
}

class ResultsListClosed : public ResultsList, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(ResultsListClosed, TheMainScreenLooksUpItsDrawAgain) {
    startOn(Powerball);
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    // Today's draw arrives while the list is open; the main screen learns of
    // it only through the look-up that follows the close.
    storeDraw(Powerball, clock.date, {4, 8, 15, 16, 23}, 42);
    ASSERT_FALSE(window->isDrawShown());
    closeBy(form3, GetParam(), "Command1");
    EXPECT_EQ(visibleScreen("Form3"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(shownBalls(), (std::vector<int>{4, 8, 15, 16, 23, 42}));
    EXPECT_EQ(state.displayedDrawRecord, 1);
}

INSTANTIATE_TEST_SUITE_P(Ways, ResultsListClosed,
                         ::testing::Values(CloseWay::Button, CloseWay::Escape, CloseWay::TitleBar));

TEST_F(ResultsList, ADamagedHistoryFileGivesItsMessageAndAnEmptyList) {
    // Five draws claimed in 26 bytes.
    writeFileBytes(historyFilePath(folder(), Powerball), le32(5) + QByteArray(22, '\0'));
    startOn(Powerball);
    dialogs.clear();
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    EXPECT_TRUE(lines(form3).isEmpty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("pbk.rtl"))) << dialogs.last().toStdString();
}
