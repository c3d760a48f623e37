#include "data/dates.h"
#include "entries/entry_test_helpers.h"
#include "main/results_list_lines.h"
#include "support/main_window_fixture.h"

using namespace numbrava;
using namespace numbrava::testing;

namespace {
DrawRecord draw(int position, QDate date, int bonus) {
    return {.count = 99, // a stale count must never show
            .position = i16(position),
            .day = i16(date.day()),
            .month = i16(date.month()),
            .year = i16(date.year()),
            .balls = {3, 9, 10, 42, 53},
            .bonus = i16(bonus)};
}
} // namespace

// Columns: draw number, month, day, year, ":", balls, tag, bonus; only date columns give a date.
TEST(ResultsListLines, KeepFileOrderAndTheirColumnsForAFullHistory) {
    std::vector<DrawRecord> draws;
    for (int i = 1; i <= 32767; ++i)
        draws.push_back(draw(i, QDate(1900 + i / 200, 1 + i % 12, 1 + i % 28), 1 + i % 42));
    const QStringList lines = resultsListLines(Powerball, draws);
    ASSERT_EQ(lines.size(), 32767);
    EXPECT_EQ(lines[0], QStringLiteral("00001 02 02 1900: 03 09 10 42 53 PB 02"));
    EXPECT_EQ(lines[98], QStringLiteral("00099 04 16 1900: 03 09 10 42 53 PB 16"));
    EXPECT_EQ(lines[12344], QStringLiteral("12345 10 26 1961: 03 09 10 42 53 PB 40"));
    EXPECT_EQ(lines[32766], QStringLiteral("32767 08 08 2063: 03 09 10 42 53 PB 08"));
    for (int i = 0; i < 32767; ++i)
        ASSERT_EQ(dateFromDayMonthText(resultsLineDateText(lines[i])),
                  QDate(draws[i].year, draws[i].month, draws[i].day))
            << lines[i].toStdString();
    for (const char* text : {"", "00042", "00042 13 09 2003: 01", "There is no list"})
        EXPECT_TRUE(resultsLineDateText(QString::fromLatin1(text)).isEmpty()) << text;
}

class ResultsList : public MainWindowTest {
  protected:
    void TearDown() override { closeScreens("Form3"); }

    QWidget* openList() {
        window->controls().Image1->click();
        return visibleScreen("Form3");
    }
    static QListView* list(QWidget* form3) { return control<QListView>(form3, "List1"); }
    static QStringList lines(QWidget* form3) { return modelTexts(list(form3)->model()); }
    QDate resultDate() const { return window->controls().DTPicker1->value(); }
    // A user's double-click: a click, then the press the system reports as one.
    static void doubleClickAt(QListView* view, QPoint point) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point);
    }
};

// The list stays open after a double-click; closing it looks the main screen's draw up again.
TEST_F(ResultsList, ListsShowsClosesAndPrints) {
    storeDraw(Powerball, QDate(2003, 7, 5), {5, 12, 25, 33, 41}, 7);
    storeDraw(Powerball, QDate(2003, 12, 10), {2, 4, 6, 8, 10}, 12);
    storeDraw(Powerball, QDate(2003, 12, 9), {1, 3, 17, 39, 53}, 42);
    storeDraw(MegaMillions, QDate(2003, 7, 4), {3, 14, 25, 36, 47}, 52);
    startWindow();
    QWidget* form3 = nullptr;
    ASSERT_NE(form3 = openList(), nullptr);
    EXPECT_EQ(form3->windowTitle(), QStringLiteral("Draw Results for Mega Millions"));
    EXPECT_EQ(lines(form3), QStringList{"00001 07 04 2003: 03 14 25 36 47 MB 52"});
    EXPECT_FALSE(control<QPushButton>(form3, "Command2")->isEnabled()); // no printer
    // Today's draw arrives while the list is open; the main screen learns of it only after closing.
    storeDraw(MegaMillions, clock.date, {4, 8, 15, 16, 23}, 42);
    clickOn(form3, "Command1");
    EXPECT_EQ(visibleScreen("Form3"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(shownBalls(), (std::vector<int>{4, 8, 15, 16, 23, 42}));
    EXPECT_EQ(state.displayedDrawRecord, 2);

    child<QRadioButton>("Option3")->click();
    state.printerAvailable = true;
    ASSERT_NE(form3 = openList(), nullptr);
    EXPECT_EQ(form3->windowTitle(), QStringLiteral("Draw Results for Powerball"));
    EXPECT_EQ(control<QLabel>(form3, "Label1")->text(),
              QStringLiteral("Double-click entry to select result for the main screen"));
    EXPECT_EQ(lines(form3), (QStringList{"00001 07 05 2003: 05 12 25 33 41 PB 07",
                                         "00002 12 09 2003: 01 03 17 39 53 PB 42",
                                         "00003 12 10 2003: 02 04 06 08 10 PB 12"}));
    QListView* view = list(form3);
    doubleClickAt(view, view->visualRect(view->model()->index(1, 0)).center());
    EXPECT_EQ(resultDate(), QDate(2003, 12, 9));
    EXPECT_EQ(shownBalls(), (std::vector<int>{1, 3, 17, 39, 53, 42}));
    EXPECT_EQ(state.displayedDrawRecord, 2);
    EXPECT_EQ(visibleScreen("Form3"), form3);
    EXPECT_FALSE(window->isEnabled());

    // With a line selected, a double-click below the lines changes nothing.
    const QRect last = view->visualRect(view->model()->index(2, 0));
    ASSERT_LT(last.bottom() + 20, view->viewport()->height());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, last.center());
    doubleClickAt(view, QPoint(10, last.bottom() + 15));
    EXPECT_EQ(resultDate(), QDate(2003, 12, 9));
    EXPECT_TRUE(dialogs.shown.empty());

    clickOn(form3, "Command2");
    QStringList printed(3, QString());
    for (const QString& line : lines(form3))
        printed << QString(16, QLatin1Char(' ')) + line;
    EXPECT_EQ(printer.lines, printed);
    EXPECT_EQ(printer.documentsEnded, 1);
}

// A long history opens at its newest draw, oldest first, none selected; Enter acts as double-click.
TEST_F(ResultsList, OpensAtTheNewestDrawAndEnterShowsTheLineReached) {
    const QDate first(2003, 1, 1);
    for (int day = 0; day < 80; ++day)
        storeDraw(Powerball, first.addDays(day),
                  {1, 2, 3, 4, static_cast<std::int16_t>(5 + day % 40)}, 7);
    startOn(Powerball);
    QWidget* form3 = nullptr;
    ASSERT_NE(form3 = openList(), nullptr);
    QListView* view = list(form3);
    EXPECT_TRUE(lines(form3).first().startsWith(QStringLiteral("00001 01 01 2003")));
    EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(view->model()->index(79, 0))));
    EXPECT_FALSE(view->selectionModel()->hasSelection());

    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(resultDate(), first.addDays(79));
    QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(resultDate(), first.addDays(78));
    EXPECT_EQ(view->selectionModel()->selectedRows().value(0).row(), 78);
}
