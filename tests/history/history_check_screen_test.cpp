#include "history/history_check_screen.h"
#include "history/history_texts.h"
#include "support/main_window_fixture.h"

#include <QPointer>
#include <QProgressBar>
#include <QTimer>

using namespace numbrava;
using namespace numbrava::testing;

// Three draws, none today (no check at start): the lines win 3+bonus and bonus, then 5, then none.
class HistoryScreen : public MainWindowTest {
  protected:
    static inline const QDate kToday{2003, 7, 5}, kFirst{2003, 6, 28}; // the test clock's today
    void TearDown() override { closeScreens("Form6"); }

    QWidget* start(GameCode game = Powerball, bool draws = true, bool lines = true) {
        if (draws) {
            storeDraw(game, kFirst, {1, 2, 3, 10, 20}, 7);
            storeDraw(game, QDate(2003, 7, 2), {1, 2, 3, 4, 5}, 9);
            storeDraw(game, QDate(2003, 7, 3), {40, 41, 42, 43, 44}, 8);
        }
        if (lines)
            storeLines(game, kToday, {{{1, 2, 3, 4, 5}, 7}, {{30, 31, 32, 33, 34}, 7}});
        startOn(game);
        window->controls().Command12->click();
        return visibleScreen("Form6");
    }
    static void check(QWidget* form6, QDate start = kFirst, QDate end = kToday) {
        control<DatePicker>(form6, "DTPicker1")->setValue(start);
        control<DatePicker>(form6, "DTPicker2")->setValue(end);
        clickOn(form6, "Command2");
    }
    static QListView* list(QWidget* form6, int p) {
        return control<QListView>(form6, qPrintable(QStringLiteral("List1_%1").arg(p)));
    }
    static QStringList page(QWidget* form6, int p) { return modelTexts(list(form6, p)->model()); }
    static int visiblePage(QWidget* form6) {
        for (int p = 0; p < 4; ++p)
            if (list(form6, p)->isVisible())
                return p;
        return -1;
    }
    static QString totals(QWidget* form6) {
        QStringList all;
        for (int c = 1; c <= 9; ++c)
            all << control<QLineEdit>(form6, qPrintable(QStringLiteral("Text%1").arg(c)))->text();
        return all.join(QLatin1Char(','));
    }
};

// One screen checks period after period; a refused period leaves the boxes empty.
TEST_F(HistoryScreen, OpensOnTheWholeHistoryAndChecksTheDrawsOfThePeriod) {
    const QString kNone = QStringLiteral("No results in specified date range");
    // The period, the lines listed, the status, totals, the progress bar's end and a refusal.
    const std::tuple<QDate, QDate, QStringList, QString, const char*, int, QString> cases[] = {
        // clang-format off
        {kFirst, kToday,
         {"28 JUN  2003", "01 02 03 04 05 07 Match 3+MB", "30 31 32 33 34 07 Match MB",
          "02 JUL  2003", "01 02 03 04 05 07 Match 5", "03 JUL  2003"},
         "Check 2 entries against  3 results.", "0,1,0,0,1,0,0,0,1", 3, {}},
        {QDate(2003, 7, 2), QDate(2003, 7, 2), {"02 JUL  2003", "01 02 03 04 05 07 Match 5"},
         "Check 2 entries against  1 results.", "0,1,0,0,0,0,0,0,0", 1, {}},
        {QDate(2003, 7, 4), QDate(2003, 12, 31), {}, kNone, ",,,,,,,,", 1, {}},
        {QDate(2003, 1, 1), QDate(2003, 6, 27), {}, kNone, ",,,,,,,,", 1, {}},
        {QDate(2003, 7, 3), QDate(2003, 7, 2), {}, kNone, ",,,,,,,,", 1,
         "Your start date must be before your end date"}};
    // clang-format on
    QWidget* form6 = start(MegaMillions);
    ASSERT_NE(form6, nullptr);
    EXPECT_EQ(form6->windowTitle(), "History Check Against Mega Millions Entry");
    EXPECT_EQ(control<QLabel>(form6, "Label3")->text(), "Match 4 + MB");
    EXPECT_EQ(control<QLabel>(form6, "Label9")->text(), "Match MB");
    EXPECT_EQ(control<DatePicker>(form6, "DTPicker1")->value(), kFirst);
    EXPECT_EQ(control<DatePicker>(form6, "DTPicker2")->value(), kToday);
    EXPECT_FALSE(window->isEnabled());
    for (const auto& [from, to, listed, status, totalsText, progressMax, refusal] : cases) {
        SCOPED_TRACE(qPrintable(from.toString()));
        dialogs.clear();
        check(form6, from, to);
        EXPECT_EQ(page(form6, 0), listed);
        EXPECT_EQ(control<QLabel>(form6, "Label10")->text(), status);
        EXPECT_EQ(control<QLabel>(form6, "Label7")->text(), "Match 2 + MB");
        EXPECT_EQ(totals(form6), totalsText);
        EXPECT_EQ(control<QProgressBar>(form6, "ProgressBar1")->maximum(), progressMax);
        EXPECT_EQ(dialogs.texts(), refusal.isNull() ? QStringList{} : QStringList{refusal});
        EXPECT_TRUE(control<QPushButton>(form6, "Command2")->isEnabled());
        EXPECT_EQ(visiblePage(form6), 0);
    }
}

// Cancel at the first draw keeps the totals so far; closing stops the run. Lines go before draws.
TEST_F(HistoryScreen, OpensOnlyWithLinesAndDrawsRunsStopAndPagesFillInTurn) {
    EXPECT_EQ(start(Powerball, false, false), nullptr);
    EXPECT_EQ(dialogs.last(),
              "You do not have any entries listed to check against the draw history!");
    window.reset();
    EXPECT_EQ(start(Powerball, false, true), nullptr);
    EXPECT_EQ(dialogs.last(),
              "There are no results in the results file - you cannot do a history check!");
    EXPECT_TRUE(window->isEnabled());
    window.reset();
    QPointer<QWidget> form6 = start(Powerball, true, false);
    QTimer::singleShot(0, form6, [form6] { clickOn(form6, "Command3"); });
    check(form6);
    EXPECT_EQ(page(form6, 0).size(), 3);
    EXPECT_EQ(totals(form6), "0,0,0,0,1,0,0,0,1");
    EXPECT_TRUE(control<QPushButton>(form6, "Command2")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(form6, "Command1")->isEnabled());
    QTimer::singleShot(0, form6, [form6] { QTest::keyClick(form6, Qt::Key_Escape); });
    check(form6);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form6.isNull());
    EXPECT_TRUE(window->isEnabled());

    // Six lines count (3 headings, 3 wins); page 1 stays hidden while filling until a page is full.
    // The page limit, the page shown after the first draw, the page sizes, the pages used.
    const std::tuple<int, int, std::vector<qsizetype>, int> paging[] = {
        {100, 1, {6, 0, 0, 0}, 1}, {2, 0, {2, 2, 2, 0}, 3}, {1, 0, {1, 1, 1, 1}, 4}};
    for (const auto& [limit, shownAfterFirstDraw, pageSizes, used] : paging) {
        SCOPED_TRACE(limit);
        dialogs.clear();
        auto* paged = new HistoryCheckScreen(*window, limit);
        window->openSecondary(paged);
        int shownMidRun = -1;
        QTimer::singleShot(0, paged, [&] { shownMidRun = visiblePage(paged); });
        check(paged);
        EXPECT_EQ(shownMidRun, shownAfterFirstDraw);
        std::vector<qsizetype> sizes;
        for (int p = 0; p < 4; ++p)
            sizes.push_back(page(paged, p).size());
        EXPECT_EQ(sizes, pageSizes);
        EXPECT_EQ(dialogs.texts(), limit == 1 ? QStringList{historyFullMessage()} : QStringList{});
        // Next walks the pages in use only; Previous walks back to the first.
        for (int p = 1; p <= 4; ++p) {
            clickOn(paged, "Command4");
            EXPECT_EQ(visiblePage(paged), std::min(p, used - 1));
            EXPECT_EQ(control<QLabel>(paged, "Label11")->text(),
                      QStringLiteral("Page %1 of %2").arg(std::min(p, used - 1) + 1).arg(used));
        }
        for (int p = used - 2; p >= -1; --p) {
            clickOn(paged, "Command5");
            EXPECT_EQ(visiblePage(paged), std::max(p, 0));
        }
        paged->close();
    }
}
