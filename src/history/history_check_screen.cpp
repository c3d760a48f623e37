#include "history/history_check_screen.h"

#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "data/number_text.h"
#include "history/history_check.h"
#include "history/history_texts.h"
#include "history/line_page_model.h"
#include "ui/busy_cursor.h"
#include "ui/close_during_run.h"
#include "ui/date_picker.h"
#include "ui/file_guard.h"
#include "ui/list_font.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace numbrava {

namespace {
QGroupBox* dateFrame(const char* name, const QString& title, DatePicker* picker) {
    auto* frame = new QGroupBox(title);
    frame->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(picker);
    return frame;
}

DatePicker* datePicker(const char* name, const QString& tip) {
    auto* picker = new DatePicker;
    picker->setObjectName(QString::fromLatin1(name));
    picker->setToolTip(tip);
    return picker;
}

long long keyOf(const DatePicker* picker) {
    return historyDateKey(picker->year(), picker->month(), picker->day());
}
} // namespace

HistoryCheckScreen::HistoryCheckScreen(MainView& main, int pageLimit)
    : SecondaryScreen(main.asWidget()), main_(main), ctx_(main.context()), pageLimit_(pageLimit) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("History Check Against ") +
                   gameInfo(ctx_.state.selectedGame).name + QStringLiteral(" Entry"));
    buildUi();
    setStartAndEndDates();
    connect(Command2, &QPushButton::clicked, this, &HistoryCheckScreen::check);
    connect(Command3, &QPushButton::clicked, this, [this] { ctx_.state.cancelRequested = true; });
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    connect(Command4, &QPushButton::clicked, this, &HistoryCheckScreen::nextPage);
    connect(Command5, &QPushButton::clicked, this, &HistoryCheckScreen::previousPage);
}

HistoryCheckScreen::~HistoryCheckScreen() = default;

void HistoryCheckScreen::buildUi() {
    // Four pages in one place, one shown at a time. Each is a view on a model:
    // a full run lists 130,920 lines, far too many for a widget per line.
    pageStack_ = new QStackedWidget;
    for (size_t p = 0; p < List1.size(); ++p) {
        pageModels_[p] = new LinePageModel(this);
        List1[p] = new QListView;
        List1[p]->setObjectName(QStringLiteral("List1_%1").arg(p));
        List1[p]->setModel(pageModels_[p]);
        List1[p]->setFont(fixedListFont());
        List1[p]->setUniformItemSizes(true);
        List1[p]->setEditTriggers(QAbstractItemView::NoEditTriggers);
        pageStack_->addWidget(List1[p]);
    }
    const int lineWidth =
        QFontMetrics(List1[0]->font()).horizontalAdvance(QString(30, QLatin1Char('0')));
    pageStack_->setMinimumWidth(lineWidth + 40);

    DTPicker1 =
        datePicker("DTPicker1", QStringLiteral("Set month and year for the start of the check"));
    DTPicker2 =
        datePicker("DTPicker2", QStringLiteral("Set month and year for the end of the check"));

    Command2 = namedButton("Command2", QStringLiteral("Check"));
    Command2->setToolTip(QStringLiteral("Starts the checking process"));
    Command3 = namedButton("Command3", QStringLiteral("Cancel"));
    Command5 = namedButton("Command5", QStringLiteral("<< Previous"));
    Command5->setToolTip(
        QStringLiteral("Use this button to page to the previous 32000 entries, if any"));
    Command4 = namedButton("Command4", QStringLiteral("Next >>"));
    Command4->setToolTip(
        QStringLiteral("Use this button to page to the next 32000 entries, if any"));
    Command1 = namedButton("Command1", QStringLiteral("Close"));
    Command1->setToolTip(QStringLiteral("Closes this form"));

    Label10 = new QLabel;
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setWordWrap(true);
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);

    auto* right = new QVBoxLayout;
    right->addWidget(dateFrame("Frame1", QStringLiteral("Start Date"), DTPicker1));
    right->addWidget(dateFrame("Frame2", QStringLiteral("End Date"), DTPicker2));
    right->addWidget(buildTotals());
    right->addWidget(Label10);
    right->addWidget(ProgressBar1);
    right->addStretch();
    right->addLayout(buttonRow({Command2, Command3}));

    auto* top = new QHBoxLayout;
    top->addWidget(pageStack_, 1);
    top->addLayout(right);

    Label11 = new QLabel;
    Label11->setObjectName(QStringLiteral("Label11"));
    auto* paging = new QHBoxLayout;
    paging->addWidget(Command5);
    paging->addWidget(Label11);
    paging->addWidget(Command4);
    paging->addStretch();
    paging->addWidget(Command1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(paging);

    setTabOrder(DTPicker1, DTPicker2);
    setTabOrder(DTPicker2, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, List1[0]);
    Command2->setDefault(true);
    Command2->setFocus();
    showPage(0);
    resize(sizeHint().width(), 520);
}

QWidget* HistoryCheckScreen::buildTotals() {
    auto* summary = new QGroupBox(QStringLiteral("Summary"));
    auto* grid = new QGridLayout(summary);
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 12;
    for (int c = 1; c <= kPrizeCategories; ++c) {
        const auto i = static_cast<size_t>(c - 1);
        Label[i] = new QLabel(historyTotalLabel(ctx_.state.selectedGame, c));
        Label[i]->setObjectName(QStringLiteral("Label%1").arg(c));
        Text[i] = new QLineEdit;
        Text[i]->setObjectName(QStringLiteral("Text%1").arg(c));
        Text[i]->setReadOnly(true);
        Text[i]->setAlignment(Qt::AlignRight);
        Text[i]->setFixedWidth(boxWidth);
        Text[i]->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(Label[i], c - 1, 0);
        grid->addWidget(Text[i], c - 1, 1);
    }
    return summary;
}

void HistoryCheckScreen::setStartAndEndDates() {
    const QDate today = ctx_.clock.today();
    QDate first;
    const QString path = historyFilePath(ctx_.state.installFolder, main_.gameOfOptions());
    guardFileOperation(ctx_.dialogs, [&] {
        if (DrawHistoryFile::countDraws(path) > 0) {
            const DrawRecord draw = DrawHistoryFile::readDraw(path, 1);
            first = QDate(draw.year, draw.month, draw.day);
        }
    });
    DTPicker1->setValue(first.isValid() ? first : today);
    DTPicker2->setValue(today);
}

void HistoryCheckScreen::check() {
    if (running_)
        return;
    run_.reset();
    pagesFilledSeen_ = 0;
    setRunning(true);
    for (int c = 1; c <= kPrizeCategories; ++c) {
        Text[static_cast<size_t>(c - 1)]->clear();
        Label[static_cast<size_t>(c - 1)]->setText(historyTotalLabel(ctx_.state.selectedGame, c));
    }
    if (!prepareRun()) {
        setRunning(false);
        return;
    }
    runDraws();
    endRun();
}

bool HistoryCheckScreen::prepareRun() {
    if (DTPicker1->value() > DTPicker2->value()) {
        ctx_.dialogs.message(QStringLiteral("Your start date must be before your end date"));
        return false;
    }
    const QString history = historyFilePath(ctx_.state.installFolder, main_.gameOfOptions());
    std::vector<DrawRecord> draws;
    if (!guardFileOperation(ctx_.dialogs, [&] { draws = DrawHistoryFile::readAllDraws(history); }))
        return false;
    const DrawPeriod period = drawPeriod(draws, keyOf(DTPicker1), keyOf(DTPicker2));

    for (LinePageModel* model : pageModels_)
        model->clear();
    // While the run lists lines the first page stays out of sight.
    showPage(1);
    if (period.empty()) {
        Label10->setText(QStringLiteral("No results in specified date range"));
        showPage(0);
        return false;
    }
    // Nothing can change the entry file while the run holds the screen, so
    // it is read once rather than once per draw.
    std::vector<EntryLine> lines;
    if (!guardFileOperation(ctx_.dialogs,
                            [&] { lines = EntryFile::readLines(ctx_.state.currentEntryFile); })) {
        showPage(0);
        return false;
    }
    ProgressBar1->setRange(0, std::max(1, period.size()));
    ProgressBar1->setValue(0);
    Label10->setText(historyStatusLine(main_.controls().Text2->text(), period.size()));
    run_ = std::make_unique<HistoryCheck>(
        ctx_.state.selectedGame, std::move(lines),
        std::vector<DrawRecord>(draws.begin() + static_cast<std::ptrdiff_t>(period.first),
                                draws.begin() + static_cast<std::ptrdiff_t>(period.end)),
        pageLimit_);
    return true;
}

void HistoryCheckScreen::runDraws() {
    const BusyCursor busy;
    ctx_.state.cancelRequested = false;
    while (!run_->finished()) {
        run_->checkNextDraw();
        showNewLines();
        ProgressBar1->setValue(run_->drawsChecked());
        QCoreApplication::processEvents();
        if (ctx_.state.cancelRequested) {
            ctx_.state.cancelRequested = false;
            break;
        }
    }
}

void HistoryCheckScreen::showNewLines() {
    const HistoryPages& pages = run_->pages();
    // A page that fills up brings the first page into view.
    if (pages.pagesFilled() > pagesFilledSeen_) {
        pagesFilledSeen_ = pages.pagesFilled();
        showPage(0);
    } else if (shownPage() == pages.currentPage()) {
        showPage(shownPage());
    }
}

void HistoryCheckScreen::endRun() {
    ProgressBar1->setValue(0);
    setRunning(false);
    for (int p = 0; p < HistoryPages::kPageCount; ++p)
        catchUpPage(p);
    for (int c = 1; c <= kPrizeCategories; ++c)
        Text[static_cast<size_t>(c - 1)]->setText(asWritten(run_->total(c)));
    showPage(0);
    if (closeAfterRun_) {
        close();
        return;
    }
    if (run_->pages().full())
        ctx_.dialogs.message(historyFullMessage());
}

void HistoryCheckScreen::setRunning(bool running) {
    running_ = running;
    Command1->setEnabled(!running);
    Command2->setEnabled(!running);
}

void HistoryCheckScreen::catchUpPage(int page) {
    if (run_)
        pageModels_[static_cast<size_t>(page)]->catchUp(run_->pages().page(page));
}

// Only the page in view takes new lines as they come: laying out a growing
// list after every draw where nobody sees it would cost more than the check.
void HistoryCheckScreen::showPage(int page) {
    catchUpPage(page);
    pageStack_->setCurrentIndex(page);
    const int used = run_ ? run_->pages().currentPage() + 1 : 1;
    Label11->setText(QStringLiteral("Page %1 of %2").arg(page + 1).arg(std::max(used, page + 1)));
}

int HistoryCheckScreen::shownPage() const {
    return pageStack_->currentIndex();
}

void HistoryCheckScreen::nextPage() {
    const int used = run_ ? run_->pages().currentPage() : 0;
    if (shownPage() < used)
        showPage(shownPage() + 1);
}

void HistoryCheckScreen::previousPage() {
    if (shownPage() > 0)
        showPage(shownPage() - 1);
}

void HistoryCheckScreen::closeEvent(QCloseEvent* event) {
    if (putOffCloseDuringRun(event, running_, closeAfterRun_, ctx_.state.cancelRequested))
        return;
    SecondaryScreen::closeEvent(event);
}

} // namespace numbrava
