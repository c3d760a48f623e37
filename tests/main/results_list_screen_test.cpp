#include "data/draw_history_file.h"
#include "support/main_window_fixture.h"
#include "support/screen_finder.h"
#include "ui/date_picker.h"

#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace numbrava;
using namespace numbrava::testing;

class ResultsList : public MainWindowTest {
  protected:
    void TearDown() override { closeScreens("Form3"); }

    void store(GameCode game, QDate date, std::array<std::int16_t, 5> balls, int bonus) {
        DrawHistoryFile::insertDraw(historyFilePath(folder(), game), balls,
                                    static_cast<std::int16_t>(bonus), date.day(), date.month(),
                                    date.year());
    }
    void storePowerballDraws() {
        store(Powerball, QDate(2003, 7, 5), {5, 12, 25, 33, 41}, 7);
        store(Powerball, QDate(2003, 12, 10), {2, 4, 6, 8, 10}, 12);
        store(Powerball, QDate(2003, 12, 9), {1, 3, 17, 39, 53}, 42);
    }
    void startPowerball() {
        startWindow();
        child<QRadioButton>("Option3")->click();
    }
    QWidget* openList() {
        window->controls().Image1->click();
        return visibleScreen("Form3");
    }
    QListView* list(QWidget* form3) const {
        return form3->findChild<QListView*>(QStringLiteral("List1"));
    }
    QStringList lines(QWidget* form3) const {
        QStringList all;
        QAbstractItemModel* model = list(form3)->model();
        for (int row = 0; row < model->rowCount(); ++row)
            all << model->index(row, 0).data().toString();
        return all;
    }
    // A user's double-click: a click, then the second press that the system
    // reports as a double-click.
    static void doubleClickAt(QListView* view, QPoint point) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point);
    }
    void doubleClickRow(QWidget* form3, int row) const {
        QListView* view = list(form3);
        doubleClickAt(view, view->visualRect(view->model()->index(row, 0)).center());
    }
    std::vector<int> shownBalls() const {
        std::vector<int> numbers;
        for (QLabel* image : window->controls().Image2)
            if (!image->isHidden())
                numbers.push_back(image->property("pictureNumber").toInt());
        return numbers;
    }
};

TEST_F(ResultsList, ListsEveryDrawOfTheGameInFileOrder) {
    storePowerballDraws();
    store(MegaMillions, QDate(2003, 7, 4), {3, 14, 25, 36, 47}, 52);
    startPowerball();
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    EXPECT_EQ(form3->windowTitle(), QStringLiteral("Draw Results for Powerball"));
    EXPECT_EQ(form3->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Double-click entry to select result for the main screen"));
    EXPECT_EQ(lines(form3),
              (QStringList{QStringLiteral("00001 07 05 2003: 05 12 25 33 41 PB 07"),
                           QStringLiteral("00002 12 09 2003: 01 03 17 39 53 PB 42"),
                           QStringLiteral("00003 12 10 2003: 02 04 06 08 10 PB 12")}));
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
    form3->close();

    child<QRadioButton>("Option2")->click();
    form3 = openList();
    ASSERT_NE(form3, nullptr);
    EXPECT_EQ(form3->windowTitle(), QStringLiteral("Draw Results for Mega Millions"));
    EXPECT_EQ(lines(form3), QStringList{QStringLiteral("00001 07 04 2003: 03 14 25 36 47 MB 52")});
}

TEST_F(ResultsList, DoubleClickShowsThatDrawOnTheMainScreenAndStaysOpen) {
    storePowerballDraws();
    startPowerball();
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    doubleClickRow(form3, 1); // 9 December 2003
    EXPECT_EQ(window->controls().DTPicker1->value(), QDate(2003, 12, 9));
    EXPECT_EQ(shownBalls(), (std::vector<int>{1, 3, 17, 39, 53, 42}));
    EXPECT_EQ(state.displayedDrawRecord, 2);
    EXPECT_EQ(visibleScreen("Form3"), form3);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ResultsList, DoubleClickOnNoLineChangesNothing) {
    startPowerball();
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    ASSERT_TRUE(lines(form3).isEmpty());
    doubleClickAt(list(form3), QPoint(10, 10));
    EXPECT_EQ(window->controls().DTPicker1->value(), clock.date);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(visibleScreen("Form3"), form3);
}

TEST_F(ResultsList, DoubleClickBelowTheLastLineChangesNothing) {
    storePowerballDraws();
    startPowerball();
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    QListView* view = list(form3);
    const QRect last = view->visualRect(view->model()->index(2, 0));
    ASSERT_LT(last.bottom() + 20, view->viewport()->height());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, last.center()); // a line was selected
    doubleClickAt(view, QPoint(10, last.bottom() + 15));
    EXPECT_EQ(window->controls().DTPicker1->value(), clock.date);
}

TEST_F(ResultsList, PrintsEveryLineIndentedAfterThreeEmptyLines) {
    storePowerballDraws();
    startPowerball();
    state.printerAvailable = true;
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    auto* print = form3->findChild<QPushButton*>(QStringLiteral("Command2"));
    ASSERT_TRUE(print->isEnabled());
    print->click();
    const QString indent(16, QLatin1Char(' '));
    QStringList expected{QString(), QString(), QString()};
    for (const QString& line : lines(form3))
        expected << indent + line;
    EXPECT_EQ(printer.lines, expected);
    EXPECT_EQ(printer.documentsEnded, 1);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ResultsList, PrintingAnEmptyListOnlyTellsSo) {
    startPowerball();
    state.printerAvailable = true;
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    form3->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("There is no list to print!")});
    EXPECT_TRUE(printer.lines.isEmpty());
    EXPECT_EQ(printer.documentsEnded, 0);
}

TEST_F(ResultsList, PrintListIsDisabledWithoutAPrinter) {
    storePowerballDraws();
    state.printerAvailable = false;
    startPowerball();
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    EXPECT_FALSE(form3->findChild<QPushButton*>(QStringLiteral("Command2"))->isEnabled());
}

class ResultsListClosed : public ResultsList, public ::testing::WithParamInterface<const char*> {};

TEST_P(ResultsListClosed, TheMainScreenLooksUpItsDrawAgain) {
    startPowerball();
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    // Today's draw arrives while the list is open; the main screen learns of
    // it only through the look-up that follows the close.
    store(Powerball, clock.date, {4, 8, 15, 16, 23}, 42);
    ASSERT_FALSE(window->isDrawShown());
    const QString way = QString::fromLatin1(GetParam());
    if (way == QLatin1String("Close"))
        form3->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    else if (way == QLatin1String("Escape"))
        QTest::keyClick(form3, Qt::Key_Escape);
    else
        form3->close();
    EXPECT_EQ(visibleScreen("Form3"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(shownBalls(), (std::vector<int>{4, 8, 15, 16, 23, 42}));
    EXPECT_EQ(state.displayedDrawRecord, 1);
}

INSTANTIATE_TEST_SUITE_P(Ways, ResultsListClosed, ::testing::Values("Close", "Escape", "TitleBar"));

TEST_F(ResultsList, ADamagedHistoryFileGivesItsMessageAndAnEmptyList) {
    QFile damaged(historyFilePath(folder(), Powerball));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("\x05\x00\x00\x00", 4) + QByteArray(22, '\0')); // 5 draws in 26 bytes
    damaged.close();
    startPowerball();
    dialogs.clear();
    QWidget* form3 = openList();
    ASSERT_NE(form3, nullptr);
    EXPECT_TRUE(lines(form3).isEmpty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("pbk.rtl"))) << dialogs.last().toStdString();
}
