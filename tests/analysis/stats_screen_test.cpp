#include "analysis/stats_chart.h"
#include "analysis/stats_screen.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"

#include <QAccessible>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QString kPowerballMain = QStringLiteral("Draw Statistics for Powerball Main");
// The scale steps through three widths and stops at either end: chart and window in twips.
const std::vector<std::tuple<const char*, int, int>> kScaleSteps = {
    {"mnucontract", 9615, 9735}, {"mnuwiden", 11535, 11625},    {"mnuwiden", 14895, 14985},
    {"mnuwiden", 14895, 14985},  {"mnucontract", 11535, 11625}, {"mnucontract", 9615, 9735}};

std::vector<std::pair<QString, int>> chartRows(QWidget* form4) {
    QChart* chart = control<QChartView>(form4, "MSChart1")->chart();
    QBarSet* set = qobject_cast<QBarSeries*>(chart->series().at(0))->barSets().at(0);
    auto* axis = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).at(0));
    std::vector<std::pair<QString, int>> rows;
    for (int i = 0; i < set->count(); ++i)
        rows.emplace_back(axis->at(i), static_cast<int>(set->at(i)));
    return rows;
}
} // namespace

class StatsScreenTest : public MainWindowTest {
  protected:
    void TearDown() override {
        closeScreens("Form26");
        closeScreens("Form4");
    }
    // 10 weekly Powerball draws from 2 July 2003, balls 1 2 3 4 53; bonus 1 x3, 5 (23 July), 17 x6.
    void openStats(GameCode game, bool tenDraws = true) {
        for (int k = 0; tenDraws && k < 10; ++k)
            storeDraw(Powerball, QDate(2003, 7, 2).addDays(7 * k), {1, 2, 3, 4, 53},
                      k >= 4   ? 17
                      : k == 3 ? 5
                               : 1);
        startOn(game);
        window->controls().Image3->click();
        form4 = visibleScreen("Form4");
        ASSERT_NE(form4, nullptr);
    }
    void menu(const char* name) const { control<QAction>(form4, name)->trigger(); }
    void type(const char* box, const QString& text) const {
        control<QLineEdit>(form4, box)->setText(text);
    }
    static QStringList facts(QWidget* form26) {
        QStringList texts;
        for (const char* box : {"Text2", "Text4", "Text3", "Text1"})
            texts << control<QLineEdit>(form26, box)->text();
        return texts;
    }
    QWidget* form4 = nullptr;
};

TEST_F(StatsScreenTest, OpensOnTheMainBallsOfTheGameScalesAndBarsAndBoxesOpenTheBallInformation) {
    for (GameCode game : {Powerball, MegaMillions}) {
        openStats(game, false);
        const bool pb = game == Powerball;
        EXPECT_EQ(form4->windowTitle(),
                  pb ? kPowerballMain : "Draw Statistics for Mega Millions Main");
        const auto rows = chartRows(form4);
        ASSERT_EQ(rows.size(), pb ? 53u : 52u);
        EXPECT_EQ(rows.front(), std::make_pair(QStringLiteral(" 1"), 0));
        EXPECT_EQ(rows.back().first, pb ? " 53" : " 52");
        for (const char* name : {"mnupowerball", "mnupbmain", "mnuLB", "mnuLM"})
            EXPECT_EQ(control<QAction>(form4, name)->isVisible(),
                      pb == QByteArray(name).startsWith("mnup"))
                << name;
        EXPECT_TRUE(control<QAction>(form4, "mnusortedno")->isChecked());
        auto* chart = control<QWidget>(form4, "MSChart1");
        const auto px = [&](int twips) { return qRound(twips * form4->logicalDpiX() / 1440.0); };
        // The window stays on its screen; on a narrow one the chart scrolls.
        const QRect screen = form4->screen()->availableGeometry();
        if (!pb) // where the last one was left
            EXPECT_EQ(form4->pos(), QPoint(20, 30));
        for (const auto& [item, chartTwips, windowTwips] : kScaleSteps) {
            menu(item);
            EXPECT_EQ(chart->width(), px(chartTwips)) << item;
            const int frame = form4->frameGeometry().width() - form4->width();
            EXPECT_EQ(form4->width(), std::min(px(windowTwips), screen.width() - frame)) << item;
            EXPECT_TRUE(screen.contains(form4->frameGeometry())) << item;
        }
        EXPECT_FALSE(window->isEnabled());
        form4->move(20, 30);
        menu("mnuClose");
        EXPECT_TRUE(window->isEnabled());
        window.reset();
    }
    EXPECT_TRUE(dialogs.shown.empty());

    // The first sorted bar opens the most frequent ball; the boxes take only what the view holds.
    openStats(Powerball);
    menu("mnupowerball");
    menu("mnusortedyes");
    const QString caption = QStringLiteral("Draw Statistics for Powerball (Sorted)");
    EXPECT_EQ(form4->windowTitle(), caption);
    const auto rows = chartRows(form4);
    ASSERT_EQ(rows.size(), 42u);
    EXPECT_EQ(rows[0], std::make_pair(QStringLiteral(" 17"), 6));
    EXPECT_EQ(rows[1], std::make_pair(QStringLiteral(" 1"), 3));
    auto* chart = control<StatsChart>(form4, "MSChart1");
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, chart->barCentre(1));
    QWidget* form26 = visibleScreen("Form26");
    ASSERT_NE(form26, nullptr);
    EXPECT_EQ(form26->windowTitle(), caption + QStringLiteral(" <Ball  17>"));
    EXPECT_EQ(facts(form26), (QStringList{"6", "3 SEP 2003", "0", "1"}));
    EXPECT_FALSE(form4->isEnabled());
    clickOn(form26, "Command1");
    EXPECT_TRUE(form4->isEnabled());
    // Tab from Close reaches the chart on its first bar; arrows move the mark, Enter opens it.
    ASSERT_TRUE(QTest::qWaitForWindowActive(form4));
    control<QPushButton>(form4, "Command1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(chart);
    EXPECT_EQ(face->focusChild()->text(QAccessible::Name), "Ball 17: drawn 6 times");
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left})
        QTest::keyClick(chart, key);
    EXPECT_EQ(face->focusChild()->text(QAccessible::Name), "Ball 1: drawn 3 times");
    QTest::keyClick(chart, Qt::Key_Return);
    ASSERT_NE(form26 = visibleScreen("Form26"), nullptr);
    EXPECT_EQ(form26->windowTitle(), caption + QStringLiteral(" <Ball  1>"));
    form26->close();
    EXPECT_FALSE(window->isEnabled());
    menu("mnusortedno");
    type("Text2", "11");
    clickOn(form4, "Command3");
    EXPECT_EQ(chartRows(form4)[0].second, 3); // all ten counted
    type("Text1", "53");
    clickOn(form4, "Command4");
    EXPECT_EQ(dialogs.texts(),
              (QStringList{kTooManyLastDraws, "You must enter a number between 1 and 42"}));
    EXPECT_EQ(visibleScreen("Form26"), nullptr);
    clickOn(form4, "Command2");
    EXPECT_EQ(control<QLineEdit>(form4, "Text2")->text(), QString());

    menu("mnupbmain");
    type("Text2", "3"); // the recent draws shown do not limit the facts
    clickOn(form4, "Command4");
    form26 = visibleScreen("Form26");
    ASSERT_NE(form26, nullptr);
    EXPECT_EQ(form26->windowTitle(), kPowerballMain + " <Ball 53>");
    EXPECT_EQ(facts(form26), (QStringList{"10", "3 SEP 2003", "0", "1"}));
    form4->close(); // the ball information goes with the chart
    EXPECT_EQ(visibleScreen("Form26"), nullptr);
    EXPECT_TRUE(window->isEnabled());
}

// Real histories of 1,390 and 916 draws; the Mega Ball view counts the 140 from 8 April 2025 only.
TEST_F(StatsScreenTest, TodaysGamesCountTheirRealHistoriesAndTheBonusOfTodaysRangeOnly) {
    clock.date = QDate(2026, 8, 10);
    for (const auto& [game, csv, view, since, mains, bonuses] :
         {std::tuple{Powerball69, "powerball-2015-2026.csv", "mnupb69", "7 October 2015",
                     std::pair{69, 5 * 1390}, std::pair{26, 1390}},
          std::tuple{MegaMillions70, "megamillions-2017-2026.csv", "mnumm70mb", "8 April 2025",
                     std::pair{70, 5 * 916}, std::pair{24, 140}}}) {
        writeFileBytes(historyFilePath(folder(), game), csvHistory(csv));
        openStats(game, false);
        for (const auto& expected : {mains, bonuses}) {
            int total = 0;
            for (const auto& row : chartRows(form4))
                total += row.second;
            EXPECT_EQ(std::pair(static_cast<int>(chartRows(form4).size()), total), expected);
            menu(view);
        }
        EXPECT_EQ(control<QLabel>(form4, "Label3")->text(),
                  QStringLiteral("Counting the draws from ") + since);
        closeScreens("Form4");
        window.reset();
    }
}
