#include "history/history_check_screen.h"
#include "history/history_texts.h"
#include "support/main_window_fixture.h"
#include "ui/date_picker.h"

#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QDate kToday(2003, 7, 5); // the test clock's today
const char* const kPages[] = {"List1_0", "List1_1", "List1_2", "List1_3"};
const QString kNoResults = QStringLiteral("No results in specified date range");
} // namespace

class HistoryScreen : public MainWindowTest {
  protected:
    void TearDown() override { closeScreens("Form6"); }

    // Three draws, none today (so that showing the main screen checks nothing);
    // the two lines win 3+PB and PB in the first, 5 in the second.
    void storeHistory(GameCode game = Powerball) {
        storeDraw(game, QDate(2003, 6, 28), {1, 2, 3, 10, 20}, 7);
        storeDraw(game, QDate(2003, 7, 2), {1, 2, 3, 4, 5}, 9);
        storeDraw(game, QDate(2003, 7, 3), {40, 41, 42, 43, 44}, 8);
    }
    void storeTodaysLines(GameCode game = Powerball) {
        storeLines(game, kToday, {{{1, 2, 3, 4, 5}, 7}, {{30, 31, 32, 33, 34}, 7}});
    }
    QWidget* open() {
        window->controls().Command12->click();
        return visibleScreen("Form6");
    }
    // Opens the screen with a small page limit, as only a test does.
    QWidget* openWithPageLimit(int limit) {
        auto* screen = new HistoryCheckScreen(*window, limit);
        window->openSecondary(screen);
        return screen;
    }
    static void check(QWidget* form6, QDate start, QDate end) {
        control<DatePicker>(form6, "DTPicker1")->setValue(start);
        control<DatePicker>(form6, "DTPicker2")->setValue(end);
        clickOn(form6, "Command2");
    }
    static QStringList page(QWidget* form6, int p) {
        return modelTexts(control<QListView>(form6, kPages[p])->model());
    }
    static int visiblePage(QWidget* form6) {
        for (int p = 0; p < 4; ++p)
            if (control<QListView>(form6, kPages[p])->isVisible())
                return p;
        return -1;
    }
    static QStringList totals(QWidget* form6) {
        QStringList all;
        for (int c = 1; c <= 9; ++c)
            all << control<QLineEdit>(form6, qPrintable(QStringLiteral("Text%1").arg(c)))->text();
        return all;
    }
    static QString status(QWidget* form6) { return control<QLabel>(form6, "Label10")->text(); }
};

namespace {
struct GateCase {
    const char* name;
    GameCode game;
    bool lines, draws;
    const char* message; // nullptr: the screen opens
    const char* caption;
};
void PrintTo(const GateCase& c, std::ostream* os) {
    *os << c.name;
}
class HistoryGates : public HistoryScreen, public ::testing::WithParamInterface<GateCase> {};
} // namespace

TEST_P(HistoryGates, OpenOnlyWithLinesAndDraws) {
    const GateCase& c = GetParam();
    if (c.draws)
        storeHistory(c.game);
    if (c.lines)
        storeTodaysLines(c.game);
    startOn(c.game);
    QWidget* form6 = open();
    if (c.message) {
        EXPECT_EQ(form6, nullptr);
        EXPECT_EQ(dialogs.texts(), QStringList{c.message});
        EXPECT_TRUE(window->isEnabled());
        return;
    }
    ASSERT_NE(form6, nullptr);
    EXPECT_EQ(form6->windowTitle(), c.caption);
    EXPECT_EQ(control<DatePicker>(form6, "DTPicker1")->value(), QDate(2003, 6, 28));
    EXPECT_EQ(control<DatePicker>(form6, "DTPicker2")->value(), kToday);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Gates, HistoryGates,
    ::testing::Values(
        GateCase{"no_lines_is_told_before_no_draws", Powerball, false, false,
                 "You do not have any entries listed to check against the draw history!", ""},
        GateCase{"no_draws", Powerball, true, false,
                 "There are no results in the results file - you cannot do a history check!", ""},
        GateCase{"powerball", Powerball, true, true, nullptr,
                 "History Check Against Powerball Entry"},
        GateCase{"mega_millions", MegaMillions, true, true, nullptr,
                 "History Check Against Mega Millions Entry"}),
    [](const ::testing::TestParamInfo<GateCase>& info) { return info.param.name; });

TEST_F(HistoryScreen, ChecksEveryDrawOfThePeriod) {
    storeHistory();
    storeTodaysLines();
    startOn(Powerball);
    QWidget* form6 = open();
    ASSERT_NE(form6, nullptr);
    check(form6, QDate(2003, 6, 1), kToday);
    EXPECT_EQ(page(form6, 0), (QStringList{"28 JUN  2003", "01 02 03 04 05 07 Match 3+PB",
                                           "30 31 32 33 34 07 Match PB", "02 JUL  2003",
                                           "01 02 03 04 05 07 Match 5", "03 JUL  2003"}));
    EXPECT_EQ(totals(form6), (QStringList{"0", "1", "0", "0", "1", "0", "0", "0", "1"}));
    EXPECT_EQ(control<QLabel>(form6, "Label5")->text(), "Match 3 + PB");
    EXPECT_EQ(status(form6), "Check 2 entries against  3 results.");
    EXPECT_EQ(visiblePage(form6), 0);
    EXPECT_EQ(control<QProgressBar>(form6, "ProgressBar1")->maximum(), 3);
    EXPECT_EQ(control<QProgressBar>(form6, "ProgressBar1")->value(), 0);
    EXPECT_TRUE(control<QPushButton>(form6, "Command2")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(form6, "Command1")->isEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
}

namespace {
struct PeriodCase {
    const char* name;
    QDate start, end;
    QStringList listed;
    const char* status;
    const char* message;
    int progressMax;
};
void PrintTo(const PeriodCase& c, std::ostream* os) {
    *os << c.name;
}
class HistoryPeriods : public HistoryScreen, public ::testing::WithParamInterface<PeriodCase> {};
} // namespace

TEST_P(HistoryPeriods, ChecksOnlyTheDrawsOfThePeriod) {
    const PeriodCase& c = GetParam();
    storeHistory();
    storeTodaysLines();
    startOn(Powerball);
    QWidget* form6 = open();
    ASSERT_NE(form6, nullptr);
    check(form6, c.start, c.end);
    EXPECT_EQ(page(form6, 0), c.listed);
    EXPECT_EQ(status(form6), c.status);
    EXPECT_EQ(dialogs.texts(), c.message ? QStringList{c.message} : QStringList{});
    if (c.progressMax)
        EXPECT_EQ(control<QProgressBar>(form6, "ProgressBar1")->maximum(), c.progressMax);
    else
        EXPECT_EQ(totals(form6), QStringList(9, QString()));
    EXPECT_TRUE(control<QPushButton>(form6, "Command2")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Periods, HistoryPeriods,
    ::testing::Values(PeriodCase{"one_draw_date",
                                 QDate(2003, 7, 2),
                                 QDate(2003, 7, 2),
                                 {"02 JUL  2003", "01 02 03 04 05 07 Match 5"},
                                 "Check 2 entries against  1 results.",
                                 nullptr,
                                 1},
                      PeriodCase{"start_after_last",
                                 QDate(2003, 7, 6),
                                 QDate(2003, 12, 31),
                                 {},
                                 "No results in specified date range",
                                 nullptr,
                                 0},
                      PeriodCase{"end_before_first",
                                 QDate(2003, 1, 1),
                                 QDate(2003, 6, 27),
                                 {},
                                 "No results in specified date range",
                                 nullptr,
                                 0},
                      PeriodCase{"start_after_end",
                                 QDate(2003, 7, 3),
                                 QDate(2003, 7, 2),
                                 {},
                                 "",
                                 "Your start date must be before your end date",
                                 0}),
    [](const ::testing::TestParamInfo<PeriodCase>& info) { return info.param.name; });

TEST_F(HistoryScreen, CancelKeepsTheTotalsSoFar) {
    storeHistory();
    storeTodaysLines();
    startOn(Powerball);
    QWidget* form6 = open();
    ASSERT_NE(form6, nullptr);
    // Pressed while the first draw lets the interface in.
    QTimer::singleShot(0, form6, [form6] { clickOn(form6, "Command3"); });
    check(form6, QDate(2003, 6, 1), kToday);
    EXPECT_EQ(page(form6, 0).size(), 3);
    EXPECT_EQ(totals(form6), (QStringList{"0", "0", "0", "0", "1", "0", "0", "0", "1"}));
    EXPECT_TRUE(control<QPushButton>(form6, "Command2")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(form6, "Command1")->isEnabled());
    EXPECT_FALSE(state.cancelRequested);
}

TEST_F(HistoryScreen, ClosingDuringARunStopsItFirst) {
    storeHistory();
    storeTodaysLines();
    startOn(Powerball);
    QPointer<QWidget> form6 = open();
    ASSERT_NE(form6, nullptr);
    QTimer::singleShot(0, form6, [form6] { QTest::keyClick(form6, Qt::Key_Escape); });
    check(form6, QDate(2003, 6, 1), kToday);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form6.isNull());
    EXPECT_TRUE(window->isEnabled());
}

namespace {
struct PagingCase {
    int limit;
    int shownAfterFirstDraw;
    std::vector<qsizetype> pageSizes;
    bool fullMessage;
};
class HistoryScreenPaging : public HistoryScreen,
                            public ::testing::WithParamInterface<PagingCase> {};
} // namespace

TEST_P(HistoryScreenPaging, PagesFillInTurnAndTheButtonsWalkThem) {
    const PagingCase& c = GetParam();
    storeHistory();
    storeTodaysLines();
    startOn(Powerball);
    QWidget* form6 = openWithPageLimit(c.limit);
    int shownMidRun = -1;
    QTimer::singleShot(0, form6, [&] { shownMidRun = visiblePage(form6); });
    check(form6, QDate(2003, 6, 1), kToday);
    EXPECT_EQ(shownMidRun, c.shownAfterFirstDraw);
    std::vector<qsizetype> sizes;
    for (int p = 0; p < 4; ++p)
        sizes.push_back(page(form6, p).size());
    EXPECT_EQ(sizes, c.pageSizes);
    EXPECT_EQ(dialogs.texts(), c.fullMessage ? QStringList{historyFullMessage()} : QStringList{});
    // Next walks the used pages only; Previous walks back to the first.
    const int used = static_cast<int>(
        std::count_if(sizes.begin(), sizes.end(), [](qsizetype n) { return n > 0; }));
    for (int p = 1; p <= 4; ++p) {
        clickOn(form6, "Command4");
        EXPECT_EQ(visiblePage(form6), std::min(p, used - 1));
    }
    for (int p = used - 2; p >= -1; --p) {
        clickOn(form6, "Command5");
        EXPECT_EQ(visiblePage(form6), std::max(p, 0));
    }
}

// Six lines are counted in all: three headings, three winning lines.
INSTANTIATE_TEST_SUITE_P(Limits, HistoryScreenPaging,
                         ::testing::Values(PagingCase{100, 1, {6, 0, 0, 0}, false},
                                           PagingCase{2, 0, {2, 2, 2, 0}, false},
                                           PagingCase{1, 0, {1, 1, 1, 1}, true}));
