#include "analysis/stats_chart.h"
#include "analysis/stats_screen.h"
#include "support/main_window_fixture.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QLineEdit>
#include <QToolButton>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QString kPowerballMain = QStringLiteral("Draw Statistics for Powerball Main");
const QString kPowerballSorted = QStringLiteral("Draw Statistics for Powerball (Sorted)");

// The chart's rows as a player reads them: label and count.
std::vector<std::pair<QString, int>> chartRows(QWidget* form4) {
    auto* view = control<QChartView>(form4, "MSChart1");
    auto* series = qobject_cast<QBarSeries*>(view->chart()->series().at(0));
    auto* axis = qobject_cast<QBarCategoryAxis*>(view->chart()->axes(Qt::Horizontal).at(0));
    std::vector<std::pair<QString, int>> rows;
    for (int i = 0; i < series->barSets().at(0)->count(); ++i)
        rows.emplace_back(axis->at(i), static_cast<int>(series->barSets().at(0)->at(i)));
    return rows;
}

int pixels(QWidget* screen, int twips) {
    return qRound(twips * screen->logicalDpiX() / 1440.0);
}
} // namespace

class StatsScreenTest : public MainWindowTest {
  protected:
    void TearDown() override {
        closeScreens("Form26");
        closeScreens("Form4");
    }
    QWidget* openStats(GameCode game) {
        startOn(game);
        window->controls().Image3->click();
        return visibleScreen("Form4");
    }
    static void menu(QWidget* screen, const char* name) {
        control<QAction>(screen, name)->trigger();
    }
    static void type(QWidget* screen, const char* box, const QString& text) {
        control<QLineEdit>(screen, box)->setText(text);
    }
    static QStringList facts(QWidget* form26) {
        QStringList texts;
        for (const char* box : {"Text2", "Text4", "Text3", "Text1"})
            texts << control<QLineEdit>(form26, box)->text();
        return texts;
    }
    // Ten weekly Powerball draws from 2 July 2003: bonus 1 in the first three, 5 in the
    // fourth (23 July), 17 in the last six (the last on 3 September).
    void storeTenPowerballDraws() {
        for (int k = 0; k < 10; ++k)
            storeDraw(Powerball, QDate(2003, 7, 2).addDays(7 * k), {1, 2, 3, 4, 53},
                      k >= 4   ? 17
                      : k == 3 ? 5
                               : 1);
    }
};

struct OpeningCase {
    GameCode game;
    QString caption;
    size_t rows;
    std::vector<const char*> shown;
    std::vector<const char*> hidden;
};

class StatsOpening : public StatsScreenTest, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(StatsOpening, ShowsTheMainBallsOfTheSelectedGameOnly) {
    const OpeningCase& c = GetParam();
    QWidget* form4 = openStats(c.game);
    ASSERT_NE(form4, nullptr);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(form4->windowTitle(), c.caption);
    const auto rows = chartRows(form4);
    ASSERT_EQ(rows.size(), c.rows);
    EXPECT_EQ(rows.front(), std::make_pair(QStringLiteral(" 1"), 0));
    EXPECT_EQ(rows.back().first, QLatin1Char(' ') + QString::number(c.rows));
    for (const char* name : c.shown)
        EXPECT_TRUE(control<QAction>(form4, name)->isVisible()) << name;
    for (const char* name : c.hidden)
        EXPECT_FALSE(control<QAction>(form4, name)->isVisible()) << name;
    EXPECT_TRUE(control<QAction>(form4, "mnusortedno")->isChecked());
    EXPECT_TRUE(dialogs.shown.empty());
    menu(form4, "mnuClose");
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(visibleScreen("Form4"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Games, StatsOpening,
                         ::testing::Values(OpeningCase{Powerball,
                                                       kPowerballMain,
                                                       53,
                                                       {"mnupowerball", "mnupbmain"},
                                                       {"mnuLB", "mnuLM"}},
                                           OpeningCase{MegaMillions,
                                                       "Draw Statistics for Mega Millions Main",
                                                       52,
                                                       {"mnuLB", "mnuLM"},
                                                       {"mnupowerball", "mnupbmain"}}));

TEST_F(StatsScreenTest, ClickOnTheFirstSortedBarOpensTheMostFrequentBall) {
    storeTenPowerballDraws();
    QWidget* form4 = openStats(Powerball);
    ASSERT_NE(form4, nullptr);
    menu(form4, "mnupowerball");
    menu(form4, "mnusortedyes");
    EXPECT_EQ(form4->windowTitle(), kPowerballSorted);
    const auto rows = chartRows(form4);
    ASSERT_EQ(rows.size(), 42u);
    EXPECT_EQ(rows[0], std::make_pair(QStringLiteral(" 17"), 6));
    EXPECT_EQ(rows[1], std::make_pair(QStringLiteral(" 1"), 3));
    // The player's click lands on the bar of row 1.
    auto* chart = control<StatsChart>(form4, "MSChart1");
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, chart->barCentre(1));
    QWidget* form26 = visibleScreen("Form26");
    ASSERT_NE(form26, nullptr);
    EXPECT_EQ(form26->windowTitle(), kPowerballSorted + QStringLiteral(" <Ball  17>"));
    EXPECT_EQ(facts(form26), (QStringList{"6", "3 SEP 2003", "0", "1"}));
    EXPECT_FALSE(form4->isEnabled());
    clickOn(form26, "Command1");
    EXPECT_TRUE(form4->isEnabled());
    EXPECT_FALSE(window->isEnabled());
}

struct TypedBallCase {
    const char* view;
    QString typed;
    QString refusal; // empty when accepted
    QString caption; // of Form26
    QStringList facts;
};

class StatsInfo : public StatsScreenTest, public ::testing::WithParamInterface<TypedBallCase> {};

TEST_P(StatsInfo, OpensBallInformationForABallOfTheView) {
    const TypedBallCase& c = GetParam();
    storeTenPowerballDraws();
    QWidget* form4 = openStats(Powerball);
    ASSERT_NE(form4, nullptr);
    menu(form4, c.view);
    type(form4, "Text2", "3"); // the recent draws shown do not limit the facts
    type(form4, "Text1", c.typed);
    clickOn(form4, "Command4");
    QWidget* form26 = visibleScreen("Form26");
    if (!c.refusal.isEmpty()) {
        EXPECT_EQ(dialogs.texts(), QStringList{c.refusal});
        EXPECT_EQ(form26, nullptr);
        EXPECT_TRUE(form4->isEnabled());
        return;
    }
    ASSERT_NE(form26, nullptr);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(form26->windowTitle(), c.caption);
    EXPECT_EQ(facts(form26), c.facts);
    form4->close(); // the ball information goes with the chart
    EXPECT_EQ(visibleScreen("Form26"), nullptr);
    EXPECT_TRUE(window->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StatsInfo,
    ::testing::Values(
        TypedBallCase{"mnupowerball", "53", "You must enter a number between 1 and 42"},
        TypedBallCase{
            "mnupbmain", "53", {}, kPowerballMain + " <Ball 53>", {"10", "3 SEP 2003", "0", "1"}},
        TypedBallCase{"mnupbmain", "52", {}, kPowerballMain + " <Ball 52>", {"0", "", "ND", "1"}},
        TypedBallCase{"mnupowerball",
                      "5x",
                      {},
                      "Draw Statistics for Powerball <Ball 5>",
                      {"1", "23 JUL 2003", "6", "1"}}));

TEST_F(StatsScreenTest, AskingForMoreDrawsThanStoredCountsThemAll) {
    storeTenPowerballDraws();
    QWidget* form4 = openStats(Powerball);
    ASSERT_NE(form4, nullptr);
    menu(form4, "mnupowerball");
    type(form4, "Text2", "3");
    clickOn(form4, "Command3");
    EXPECT_EQ(chartRows(form4)[16].second, 3);
    EXPECT_EQ(chartRows(form4)[0].second, 0);
    type(form4, "Text2", "11");
    clickOn(form4, "Command3");
    EXPECT_EQ(dialogs.texts(), QStringList{kTooManyLastDraws});
    EXPECT_EQ(chartRows(form4)[0].second, 3);
    EXPECT_EQ(control<QLineEdit>(form4, "Text2")->text(), QStringLiteral("11"));
    clickOn(form4, "Command2");
    EXPECT_EQ(control<QLineEdit>(form4, "Text2")->text(), QString());
}

TEST_F(StatsScreenTest, ScaleStepsThroughThreeWidths) {
    QWidget* form4 = openStats(Powerball);
    ASSERT_NE(form4, nullptr);
    auto* chart = control<QWidget>(form4, "MSChart1");
    const std::vector<std::pair<const char*, std::pair<int, int>>> steps = {
        {"mnucontract", {9615, 9735}},   {"mnuwiden", {11535, 11625}},
        {"mnuwiden", {14895, 14985}},    {"mnuwiden", {14895, 14985}},
        {"mnucontract", {11535, 11625}}, {"mnucontract", {9615, 9735}}};
    for (const auto& [item, widths] : steps) {
        menu(form4, item);
        EXPECT_EQ(chart->width(), pixels(form4, widths.first)) << item;
        EXPECT_EQ(form4->width(), pixels(form4, widths.second)) << item;
    }
}
