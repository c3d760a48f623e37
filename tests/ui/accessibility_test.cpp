#include "analysis/stats_chart.h"
#include "download/download_services.h"
#include "support/main_window_fixture.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGraphicsView>
#include <QGroupBox>
#include <QMenuBar>
#include <QSet>
#include <QSlider>
#include <QStyle>
#include <QStyleFactory>
#include <QTextEdit>
#include <functional>
#include <map>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
bool takesInput(const QWidget* w) {
    if (auto* edit = qobject_cast<const QLineEdit*>(w))
        return !edit->isReadOnly();
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QSlider*>(w) || qobject_cast<const QGraphicsView*>(w) ||
           qobject_cast<const QTextEdit*>(w);
}

// The options of one group are one stop of Tab; the arrow keys go through them.
const QObject* stopOf(const QWidget* w) {
    if (auto* option = qobject_cast<const QRadioButton*>(w)) {
        if (option->group() && option->group()->exclusive())
            return option->group();
        if (option->autoExclusive())
            return option->parent();
    }
    return w;
}

QString where(const QWidget* screen, const QWidget* w) {
    return screen->objectName() + QLatin1Char('/') +
           (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                      : w->objectName());
}

QList<QWidget*> inputControls(QWidget* screen) {
    QList<QWidget*> found;
    for (QWidget* w : screen->findChildren<QWidget*>())
        if (w->window() == screen && w->isVisible() && w->isEnabled() && !w->focusProxy() &&
            takesInput(w))
            found << w;
    return found;
}

// Names and descriptions of the focusable controls, one round of Tab presses
// over the input controls, and the arrow keys through each option group.
QStringList keyboardFaults(QWidget* screen) {
    QStringList faults;
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        if (w->window() != screen || !w->isVisible() || !(w->focusPolicy() & Qt::TabFocus) ||
            w->focusProxy())
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (face->text(QAccessible::Name).trimmed().isEmpty())
            faults << where(screen, w) + " has no name";
        if (!w->toolTip().isEmpty() && face->text(QAccessible::Description) != w->toolTip())
            faults << where(screen, w) + " does not describe itself by its tip";
    }
    const QList<QWidget*> inputs = inputControls(screen);
    screen->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(screen)) << screen->objectName().toStdString();
    if (!QApplication::focusWidget())
        QTest::keyClick(screen, Qt::Key_Tab);
    QWidget* const first = QApplication::focusWidget();
    QHash<const QObject*, int> visits;
    QWidget* before = nullptr;
    QWidget* at = first;
    for (int step = 0; at && step < 300; ++step) {
        if (at != before && ++visits[stopOf(at)] == 1 && stopOf(at) != at) {
            QSet<QWidget*> reached;
            for (QWidget* w : inputs)
                if (stopOf(w) == stopOf(at)) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
                    reached << QApplication::focusWidget();
                }
            for (QWidget* w : inputs)
                if (stopOf(w) == stopOf(at) && !reached.contains(w))
                    faults << where(screen, w) + " is not reached by the arrow keys";
        }
        before = at;
        QTest::keyClick(at, Qt::Key_Tab);
        if ((at = QApplication::focusWidget()) == first && before != first)
            break;
    }
    for (QWidget* w : inputs)
        if (const int n = visits.value(stopOf(w)); n != 1)
            faults << where(screen, w) + QStringLiteral(" is reached by Tab %1 times").arg(n);
    for (auto it = visits.cbegin(); it != visits.cend(); ++it)
        if (std::none_of(inputs.begin(), inputs.end(),
                         [&](QWidget* w) { return stopOf(w) == it.key(); }))
            faults << screen->objectName() + "/" + it.key()->objectName() + " takes no input";
    return faults;
}

QList<QWidget*> openWindows() {
    QList<QWidget*> open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !qobject_cast<QMenu*>(w))
            open << w;
    return open;
}

// Screens opened from other screens, and how a user opens them there.
const std::map<QString, std::function<void(QWidget*)>> kNestedScreens = {
    {"Form4",
     [](QWidget* s) {
         control<QLineEdit>(s, "Text1")->setText("1");
         clickOn(s, "Command4");
     }},
    {"payouts", [](QWidget* s) { clickOn(s, "Command5"); }}};

double luminance(QColor c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The commonest colour of an area is its background; the colour farthest
// from it is its text.
double textContrast(const QImage& image, QRect area) {
    QHash<QRgb, int> counts;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(QColor(background), QColor(it.key())));
    return best;
}

QPalette darkPalette() {
    QPalette dark;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(45, 45, 48)},
                                {QPalette::WindowText, Qt::white},
                                {QPalette::Base, QColor(30, 30, 32)},
                                {QPalette::AlternateBase, QColor(45, 45, 48)},
                                {QPalette::Text, QColor(235, 235, 235)},
                                {QPalette::Button, QColor(55, 55, 60)},
                                {QPalette::ButtonText, QColor(235, 235, 235)},
                                {QPalette::Highlight, QColor(60, 140, 230)},
                                {QPalette::HighlightedText, Qt::black},
                                {QPalette::ToolTipBase, QColor(30, 30, 32)},
                                {QPalette::ToolTipText, Qt::white},
                                {QPalette::Light, QColor(80, 80, 85)},
                                {QPalette::Mid, QColor(70, 70, 75)},
                                {QPalette::Dark, QColor(25, 25, 25)}})
        dark.setColor(role, colour);
    return dark;
}

// Text of labels, buttons, frame captions and lists against what lies behind it.
void expectReadableText(QWidget* screen) {
    const QImage shot = screen->grab().toImage();
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled() || w->window() != screen)
            continue;
        QRect area(w->mapTo(screen, QPoint(0, 0)), w->size());
        if (auto* frame = qobject_cast<QGroupBox*>(w))
            area.setHeight(frame->fontMetrics().height() + 2);
        else if (auto* list = qobject_cast<QAbstractItemView*>(w);
                 list && list->model()->rowCount())
            area = QRect(list->viewport()->mapTo(screen, QPoint(0, 0)), list->viewport()->size());
        else if (w->objectName().startsWith("Image2_"))
            area = QRect(area.center() - QPoint(9, 6), QSize(18, 12)); // a ball's number
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->text().isEmpty())
            continue;
        else if (auto* button = qobject_cast<QAbstractButton*>(w);
                 button && button->text().isEmpty())
            continue;
        else if (!label && !button && !qobject_cast<QGroupBox*>(w))
            continue;
        EXPECT_GE(textContrast(shot, area.adjusted(2, 2, -2, -2)), 4.5)
            << where(screen, w).toStdString();
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
            openers.emplace_back([this, button] {
                auto* lines = child<QListWidget>("List1"); // Edit works on a chosen line
                QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                                  lines->visualItemRect(lines->item(0)).center());
                button->click();
            });
    QSet<QString> seen;
    for (const auto& open : openers) {
        open();
        for (bool more = true; more;) {
            more = false;
            for (QWidget* screen : openWindows())
                if (screen != window.get() && !seen.contains(screen->objectName())) {
                    seen << screen->objectName();
                    faults << keyboardFaults(screen);
                    if (auto nested = kNestedScreens.find(screen->objectName());
                        nested != kNestedScreens.end()) {
                        nested->second(screen);
                        more = true;
                    }
                }
        }
        for (QWidget* screen : openWindows())
            if (screen != window.get())
                screen->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
    // Every screen of the menus and buttons, and those they open.
    EXPECT_GE(seen.size(), 18) << QStringList(seen.begin(), seen.end()).join(' ').toStdString();
}

TEST_F(Accessibility, TheMainScreenAndTheChartAreReadableOnADarkPalette) {
    struct DarkTheme {
        const QString style = QApplication::style()->name();
        const QPalette light = QApplication::palette();
        DarkTheme() {
            QApplication::setStyle(QStyleFactory::create("Fusion"));
            QApplication::setPalette(darkPalette());
        }
        ~DarkTheme() {
            QApplication::setStyle(QStyleFactory::create(style));
            QApplication::setPalette(light);
        }
    } dark;
    storeDraw(Powerball, clock.date, {8, 19, 27, 35, 50}, 11);
    storeLines(Powerball, clock.date, {{{8, 19, 27, 35, 50}, 11}});
    startOn(Powerball);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    expectReadableText(window.get());
    window->controls().Image3->click();
    QWidget* stats = visibleScreen("Form4");
    ASSERT_NE(stats, nullptr);
    auto* chart = control<StatsChart>(stats, "MSChart1");
    const QImage shot = chart->grab().toImage();
    const QRect plot =
        chart->mapFromScene(chart->chart()->mapToScene(chart->chart()->plotArea())).boundingRect();
    EXPECT_GE(textContrast(shot, QRect(plot.left(), plot.bottom() + 4, plot.width(), 16)), 4.5);
    EXPECT_GE(textContrast(shot, QRect(plot.left() - 28, plot.top(), 24, plot.height())), 4.5);
    stats->close();
}
