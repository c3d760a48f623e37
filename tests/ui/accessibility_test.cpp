#include "analysis/stats_chart.h"
#include "download/download_services.h"
#include "support/main_window_fixture.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QMenuBar>
#include <QScopeGuard>
#include <functional>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
// What a screen reader is told takes input (a document scrolls); a box that only shows a value does
// not.
bool takesInput(QAccessibleInterface* face) {
    static const QSet<QAccessible::Role> roles{
        QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::SpinBox,  QAccessible::EditableText,
        QAccessible::List,       QAccessible::Slider,   QAccessible::Chart};
    return (roles.contains(face->role()) && !face->state().readOnly) || face->state().multiLine;
}

// The options of one group are one stop of Tab; the arrow keys go through them.
const QObject* stopOf(const QWidget* w) {
    auto* option = qobject_cast<const QRadioButton*>(w);
    if (option && option->group())
        return option->group();
    return option && option->autoExclusive() ? option->parent() : w;
}

// Names and tips of focusable controls; one round of Tab; arrow keys through option groups.
QStringList keyboardFaults(QWidget* screen) {
    auto where = [screen](const QObject* w) {
        return screen->objectName() + '/' + w->objectName();
    };
    QStringList faults;
    QList<QWidget*> inputs;
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        if (w->window() != screen || !w->isVisible() || w->focusProxy())
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (takesInput(face) && w->isEnabled())
            inputs << w;
        if ((w->focusPolicy() & Qt::TabFocus) && face->text(QAccessible::Name).trimmed().isEmpty())
            faults << where(w) + " has no name";
        if (!w->toolTip().isEmpty() && face->text(QAccessible::Description) != w->toolTip())
            faults << where(w) + " does not describe itself by its tip";
    }
    screen->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(screen)) << screen->objectName().toStdString();
    QWidget *const first = QApplication::focusWidget(), *at = first, *before = nullptr;
    QHash<const QObject*, int> visits;
    for (int step = 0; at && step < 300; ++step) {
        if (at != before && ++visits[stopOf(at)] == 1 && stopOf(at) != at) {
            QList<QWidget*> missed;
            std::copy_if(inputs.begin(), inputs.end(), std::back_inserter(missed),
                         [&](QWidget* w) { return stopOf(w) == stopOf(at); });
            for (qsizetype i = missed.size(); i > 0; --i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
                missed.removeAll(QApplication::focusWidget());
            }
            for (QWidget* w : missed)
                faults << where(w) + " is not reached by the arrow keys";
        }
        before = at;
        QTest::keyClick(at, Qt::Key_Tab);
        if ((at = QApplication::focusWidget()) == first && before != first)
            break;
    }
    for (QWidget* w : inputs)
        if (const int n = visits.value(stopOf(w)); n != 1)
            faults << where(w) + QStringLiteral(" is reached by Tab %1 times").arg(n);
    for (const QObject* stop : visits.keys())
        if (std::none_of(inputs.begin(), inputs.end(),
                         [&](QWidget* w) { return stopOf(w) == stop; }))
            faults << where(stop) + " takes no input";
    return faults;
}

double luminance(QRgb rgb) {
    auto lin = [](int v) {
        return v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(rgb)) + 0.7152 * lin(qGreen(rgb)) + 0.0722 * lin(qBlue(rgb));
}

// WCAG ratio of an area's text: the commonest colour is the background, the farthest the text.
double textContrast(const QImage& image, QRect area) {
    QHash<QRgb, int> counts;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const QList<QRgb> colours = counts.keys();
    const double back = luminance(*std::max_element(
        colours.begin(), colours.end(), [&](QRgb a, QRgb b) { return counts[a] < counts[b]; }));
    double best = 1;
    for (QRgb colour : colours)
        best = std::max(best, (std::max(back, luminance(colour)) + 0.05) /
                                  (std::min(back, luminance(colour)) + 0.05));
    return best;
}

// Text of labels, buttons and balls against what lies behind it.
void expectReadableText(QWidget* screen) {
    const QImage shot = screen->grab().toImage();
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        QRect area(w->mapTo(screen, QPoint(0, 0)), w->size());
        if (w->objectName().startsWith("Image2_"))
            area = QRect(area.center() - QPoint(9, 6), QSize(18, 12)); // a ball's number
        else if (!w->inherits("QLabel") && !w->inherits("QAbstractButton") ||
                 w->property("text").toString().isEmpty())
            continue;
        if (w->isVisible() && w->isEnabled())
            EXPECT_GE(textContrast(shot, area.adjusted(2, 2, -2, -2)), 4.5)
                << w->objectName().toStdString();
    }
}
} // namespace

class Accessibility : public MainWindowTest {};

TEST_F(Accessibility, EveryScreenIsUsableByKeyboardAndNamedForScreenReaders) {
    writeFileBytes(file("NUMBRAVA.HLP"), "<html><body><a href=\"#keys\">Keys</a></body></html>");
    storeLines(Powerball, clock.date, {{{1, 2, 3, 4, 5}, 6}});
    storeDraw(Powerball, QDate(2003, 7, 2), {1, 2, 3, 4, 5}, 6);
    QtHttpClient http{400};
    NoDialupService noDialup;
    DownloadServices download{http, noDialup, QString()};
    startOn(Powerball);
    window->setDownloadServices(&download);
    window->show();
    QStringList faults = keyboardFaults(window.get());

    std::vector<std::function<void()>> openers;
    for (QAction* item : window->menuBar()->findChildren<QAction*>())
        if (!item->menu() && !item->isSeparator() && item->objectName() != "mnuExit")
            openers.emplace_back([item] { item->trigger(); });
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible() && !button->isCheckable())
            openers.emplace_back([button] { button->click(); });
    auto* lines = child<QListWidget>("List1");
    QSet<QString> seen{window->objectName()};
    const std::function<void()> walkNewScreens = [&] {
        for (QWidget* screen : QApplication::topLevelWidgets())
            if (screen->isVisible() && !qobject_cast<QMenu*>(screen) &&
                !seen.contains(screen->objectName())) {
                seen << screen->objectName();
                faults << keyboardFaults(screen);
                if (screen->objectName() == "Form4") { // it opens the ball information
                    QTest::keyClicks(control<QLineEdit>(screen, "Text1"), "1");
                    clickOn(screen, "Command4");
                    return walkNewScreens();
                }
            }
    };
    for (const auto& open : openers) {
        QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, // Edit works on a chosen line
                          lines->visualItemRect(lines->item(0)).center());
        open();
        walkNewScreens();
        for (QWidget* screen : QApplication::topLevelWidgets())
            if (screen != window.get() && screen->isVisible())
                screen->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
    EXPECT_GE(seen.size(), 19u) << QStringList(seen.begin(), seen.end()).join(' ').toStdString();
}

TEST_F(Accessibility, TheMainScreenAndTheChartAreReadableOnADarkPalette) {
    const auto restore =
        qScopeGuard([style = QApplication::style()->name(), light = QApplication::palette()] {
            QApplication::setStyle(style);
            QApplication::setPalette(light);
        });
    QApplication::setStyle("Fusion");
    QApplication::setPalette(QPalette(QColor(55, 55, 60), QColor(45, 45, 48)));
    storeDraw(Powerball, clock.date, {8, 19, 27, 35, 50}, 11);
    startOn(Powerball);
    window->show();
    expectReadableText(window.get());
    window->controls().Image3->click();
    auto* chart = control<StatsChart>(visibleScreen("Form4"), "MSChart1");
    ASSERT_NE(chart, nullptr);
    const QImage shot = chart->grab().toImage();
    const QRect plot =
        chart->mapFromScene(chart->chart()->mapToScene(chart->chart()->plotArea())).boundingRect();
    EXPECT_GE(textContrast(shot, QRect(plot.left(), plot.bottom() + 4, plot.width(), 16)), 4.5);
    EXPECT_GE(textContrast(shot, QRect(plot.left() - 28, plot.top(), 24, plot.height())), 4.5);
    chart->window()->close();
}
