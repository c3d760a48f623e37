#include "analysis/stats_screen.h"

#include "analysis/ball_info_screen.h"
#include "analysis/stats_chart.h"
#include "data/number_text.h"
#include "ui/busy_cursor.h"
#include "ui/file_guard.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"
#include "ui/window_place.h"

#include <QActionGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace numbrava {

namespace {
struct ScaleStep {
    int chartTwips;
    int windowTwips;
};
constexpr ScaleStep kScaleSteps[] = {{9615, 9735}, {11535, 11625}, {14895, 14985}};
constexpr int kTwipsPerInch = 1440;
// Tall enough for upright ball numbers under the bars and counts above them.
constexpr int kChartHeight = 380;

QAction* namedAction(const char* name, const QString& text, QObject* parent) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QLineEdit* numberBox(const char* name, int width) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setFixedWidth(width);
    return box;
}
} // namespace

StatsScreen::StatsScreen(MainView& mainWindow)
    : SecondaryScreen(mainWindow.asWidget()), main_(mainWindow),
      view_(mainViewOf(mainWindow.gameOfOptions())) {
    setObjectName(QStringLiteral("Form4"));
    buildUi();
    buildMenus();
    setScaleStep(1);
    display(view_);
}

int StatsScreen::chartWidthTwips(int step) {
    return kScaleSteps[step - 1].chartTwips;
}

int StatsScreen::windowWidthTwips(int step) {
    return kScaleSteps[step - 1].windowTwips;
}

void StatsScreen::buildUi() {
    chart_ = new StatsChart;
    chart_->setObjectName(QStringLiteral("MSChart1"));
    chart_->setMinimumHeight(kChartHeight);
    connect(chart_, &StatsChart::barClicked, this, &StatsScreen::openInfoFromBar);

    auto* lastDrawsLabel = new QLabel(QStringLiteral("Use Last Draws"));
    lastDrawsLabel->setObjectName(QStringLiteral("Label2"));
    lastDrawsBox_ = numberBox("Text2", 70);
    lastDrawsLabel->setBuddy(lastDrawsBox_);
    auto* show = namedButton("Command3", QStringLiteral("Show"));
    auto* clear = namedButton("Command2", QStringLiteral("Clear"));
    connect(show, &QPushButton::clicked, this, &StatsScreen::redisplay);
    connect(lastDrawsBox_, &QLineEdit::returnPressed, this, &StatsScreen::redisplay);
    connect(clear, &QPushButton::clicked, lastDrawsBox_, &QLineEdit::clear);

    scopeLabel_ = new QLabel;
    scopeLabel_->setObjectName(QStringLiteral("Label3"));

    auto* hint = new QLabel(QStringLiteral(
        "Click on ball bar for more information or enter ball number and click Info Button"));
    hint->setObjectName(QStringLiteral("Label1"));
    hint->setWordWrap(true);
    ballBox_ = numberBox("Text1", 50);
    auto* info = namedButton("Command4", QStringLiteral("Info"));
    connect(info, &QPushButton::clicked, this, &StatsScreen::openInfoFromText);
    connect(ballBox_, &QLineEdit::returnPressed, this, &StatsScreen::openInfoFromText);
    auto* close = namedButton("Command1", QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* controls = new QGridLayout;
    controls->addWidget(lastDrawsLabel, 0, 0);
    controls->addWidget(lastDrawsBox_, 0, 1);
    controls->addWidget(show, 0, 2);
    controls->addWidget(clear, 0, 3);
    controls->addWidget(scopeLabel_, 0, 4, 1, 2, Qt::AlignRight);
    controls->addWidget(hint, 1, 0, 1, 6);
    controls->addWidget(ballBox_, 2, 1);
    controls->addWidget(info, 2, 2);
    controls->addWidget(close, 2, 5);
    controls->setColumnStretch(4, 1);

    // On a screen narrower than the chart the window stays on the screen and
    // the chart scrolls.
    chartArea_ = new QScrollArea;
    chartArea_->setWidget(chart_);
    chartArea_->setWidgetResizable(true);
    chartArea_->setAlignment(Qt::AlignHCenter);
    chartArea_->setFrameShape(QFrame::NoFrame);
    chartArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    chartArea_->setFocusPolicy(Qt::NoFocus); // the chart itself takes the focus
    chartArea_->setMinimumHeight(kChartHeight);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chartArea_, 1);
    layout->addLayout(controls);
    setTabOrder(lastDrawsBox_, show);
    setTabOrder(show, clear);
    setTabOrder(clear, ballBox_);
    setTabOrder(ballBox_, info);
    setTabOrder(info, close);
}

void StatsScreen::buildMenus() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);

    QMenu* sortedMenu = bar->addMenu(QStringLiteral("Sorted"));
    sortedMenu->setObjectName(QStringLiteral("mnsorted"));
    sortedYes_ = namedAction("mnusortedyes", QStringLiteral("Yes"), this);
    sortedNo_ = namedAction("mnusortedno", QStringLiteral("No"), this);
    auto* choice = new QActionGroup(this);
    for (QAction* action : {sortedYes_, sortedNo_}) {
        action->setCheckable(true);
        choice->addAction(action);
        sortedMenu->addAction(action);
    }
    sortedNo_->setChecked(true);
    connect(sortedYes_, &QAction::triggered, this, [this] { setSorted(true); });
    connect(sortedNo_, &QAction::triggered, this, [this] { setSorted(false); });

    // Only the selected game's two views are offered.
    const GameCode game = main_.gameOfOptions();
    for (const StatsViewInfo& view : statsViews()) {
        QAction* action = namedAction(view.action, view.title, this);
        action->setVisible(view.game == game);
        bar->addAction(action);
        const StatsView code = view.code;
        connect(action, &QAction::triggered, this, [this, code] { display(code); });
    }

    QMenu* scaleMenu = bar->addMenu(QStringLiteral("Scale"));
    scaleMenu->setObjectName(QStringLiteral("mnuscale"));
    QAction* wider = namedAction("mnuwiden", QStringLiteral("Wider"), this);
    QAction* narrower = namedAction("mnucontract", QStringLiteral("Narrower"), this);
    scaleMenu->addAction(wider);
    scaleMenu->addAction(narrower);
    connect(wider, &QAction::triggered, this,
            [this] { setScaleStep(std::min(scaleStep_ + 1, 3)); });
    connect(narrower, &QAction::triggered, this,
            [this] { setScaleStep(std::max(scaleStep_ - 1, 1)); });

    QAction* close = namedAction("mnuClose", QStringLiteral("Close"), this);
    bar->addAction(close);
    connect(close, &QAction::triggered, this, &QWidget::close);
}

bool StatsScreen::sorted() const {
    return sortedYes_->isChecked();
}

void StatsScreen::setSorted(bool sorted) {
    (sorted ? sortedYes_ : sortedNo_)->setChecked(true);
    redisplay();
}

void StatsScreen::display(StatsView view) {
    view_ = view;
    scope_ = statsScope(view, main_.context().clock.today());
    setWindowTitle(statsCaption(view, sorted()));
    scopeLabel_->setText(scopeText(scope_));
    scopeLabel_->setVisible(!scopeLabel_->text().isEmpty());
    const int lastDraws = lastDrawsFromText(lastDrawsBox_->text());
    DrawStatistics stats;
    bool read = false;
    {
        const BusyCursor busy;
        read = guardFileOperation(main_.context().dialogs, [&] {
            stats = readDrawStatistics(main_.context().state.installFolder, scope_, lastDraws);
        });
    }
    // A history that cannot be read shows no bars rather than bars of 0.
    rows_ = read ? chartRows(stats.counts, sorted()) : std::vector<BallCount>{};
    chart_->setRows(rows_);
    if (stats.tooManyAsked)
        main_.context().dialogs.message(kTooManyLastDraws);
}

int StatsScreen::twipsToPixels(int twips) const {
    return (twips * logicalDpiX() + kTwipsPerInch / 2) / kTwipsPerInch;
}

void StatsScreen::setScaleStep(int step) {
    scaleStep_ = step;
    const int chartWidth = twipsToPixels(chartWidthTwips(step));
    const int windowWidth = std::min(twipsToPixels(windowWidthTwips(step)), widthOnScreen(this));
    const bool scrolls = chartWidth > windowWidth;
    // A window held to the screen keeps the margin of the first step.
    const int side = (scrolls ? twipsToPixels(windowWidthTwips(1) - chartWidthTwips(1))
                              : windowWidth - chartWidth) /
                     2;
    layout()->setContentsMargins(side, layout()->contentsMargins().top(), side,
                                 layout()->contentsMargins().bottom());
    chart_->setFixedWidth(chartWidth);
    // Room for the scroll bar only when the chart does scroll.
    const int bar = scrolls ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    chartArea_->setMinimumHeight(kChartHeight + bar);
    setFixedWidth(windowWidth);
    adjustSize();
    keepOnScreen(this);
    if (isVisible())
        show();
}

void StatsScreen::openInfoFromText() {
    const InfoBallChoice choice = infoBallFromText(scope_, ballBox_->text());
    if (!choice.ball) {
        main_.context().dialogs.message(choice.refusal);
        return;
    }
    openBallInfo(*choice.ball,
                 windowTitle() + QStringLiteral(" <Ball ") + choice.typedNumber + QLatin1Char('>'));
}

void StatsScreen::openInfoFromBar(int row) {
    if (row < 1 || row > static_cast<int>(rows_.size()))
        return;
    const int ball = rows_[static_cast<size_t>(row - 1)].ball;
    openBallInfo(ball, windowTitle() + QStringLiteral(" <Ball ") + withLeadingBlank(ball) +
                           QLatin1Char('>'));
}

void StatsScreen::openBallInfo(int ball, const QString& caption) {
    auto* screen = new BallInfoScreen(main_, this, scope_, ball);
    screen->setWindowTitle(caption);
    ballInfo_ = screen;
    screen->openScreen();
}

void StatsScreen::onClosing() {
    // The ball information belongs to this chart; it does not outlive it.
    if (ballInfo_)
        ballInfo_->close();
}

} // namespace numbrava
