#include "entries/add_entries_screen.h"

#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "data/file_error.h"
#include "data/main_number_range.h"
#include "data/number_text.h"
#include "entries/entries_ranges.h"
#include "entries/line_boxes.h"
#include "entries/typed_line.h"
#include "ui/close_during_run.h"
#include "ui/file_guard.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace numbrava {

AddEntriesScreen::AddEntriesScreen(MainView& main, const QString& caption)
    : SecondaryScreen(main.asWidget()), main_(main), ctx_(main.context()) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(caption);
    buildUi();
    Option1->setChecked(true);
    connect(lineBoxes_, &LineBoxes::submitted, Command6, &QPushButton::click);
    connect(Text8, &QLineEdit::returnPressed, Command4, &QPushButton::click);
    connect(Command6, &QPushButton::clicked, this, &AddEntriesScreen::addTypedLine);
    connect(Command5, &QPushButton::clicked, lineBoxes_, &LineBoxes::clear);
    connect(Command3, &QPushButton::clicked, this, &QWidget::close);
    connect(Command4, &QPushButton::clicked, this, &AddEntriesScreen::addSuggestedLines);
    connect(Command1, &QPushButton::clicked, this, [this] { ctx_.state.cancelRequested = true; });
}

void AddEntriesScreen::buildUi() {
    auto* Frame1 = new QGroupBox(QStringLiteral("Add Manual Entry"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    lineBoxes_ = new LineBoxes(ctx_.state.selectedGame, "Label2");
    Command6 = namedButton("Command6", QStringLiteral("Add"));
    Command5 = namedButton("Command5", QStringLiteral("Clear"));
    auto* manualButtons = buttonRow({Command6, Command5});
    auto* manual = new QVBoxLayout(Frame1);
    manual->addWidget(lineBoxes_);
    manual->addLayout(manualButtons);

    auto* Frame2 = new QGroupBox(QStringLiteral("Add Computer Suggested Entries"));
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* Label1 = new QLabel(QStringLiteral("Enter No"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Text8 = new QLineEdit;
    Text8->setObjectName(QStringLiteral("Text8"));
    Text8->setMaxLength(4);
    Text8->setAlignment(Qt::AlignRight);
    Text8->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 14);
    Label1->setBuddy(Text8);
    Option1 = new QRadioButton(QStringLiteral("Total"));
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("Additional"));
    Option2->setObjectName(QStringLiteral("Option2"));
    Command4 = namedButton("Command4", QStringLiteral("Add"));
    Command1 = namedButton("Command1", QStringLiteral("Cancel"));
    auto* suggested = new QGridLayout(Frame2);
    suggested->addWidget(Label1, 0, 0);
    suggested->addWidget(Text8, 0, 1);
    suggested->addWidget(Option1, 0, 2);
    suggested->addWidget(Option2, 0, 3);
    suggested->setColumnStretch(4, 1);
    auto* runButtons = buttonRow({Command4, Command1});
    suggested->addLayout(runButtons, 1, 0, 1, 5);

    Command3 = namedButton("Command3", QStringLiteral("Close"));
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(Command3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addLayout(closeRow);

    setTabOrder(lineBoxes_->box(5), Command6);
    setTabOrder(Command6, Command5);
    setTabOrder(Command5, Text8);
    setTabOrder(Text8, Option1);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Command4);
    setTabOrder(Command4, Command1);
    setTabOrder(Command1, Command3);
    lineBoxes_->box(0)->setFocus();
}

void AddEntriesScreen::showAppended(const EntryLine& line, int count) {
    main_.controls().Text2->setText(withLeadingBlank(count));
    main_.addEntryLine(line);
}

void AddEntriesScreen::addTypedLine() {
    const TypedLine typed =
        readTypedLine(lineBoxes_->texts(), currentEntriesLimits(main_, LowBonus::OutOfRange));
    if (typed.error != LineError::None) {
        ctx_.dialogs.message(lineErrorMessage(typed.error));
        return;
    }
    const QString& path = ctx_.state.currentEntryFile;
    int count = 0;
    const bool stored = guardFileOperation(ctx_.dialogs, [&] {
        EntryFile::appendLine(path, typed.line);
        count = EntryFile::countLines(path);
    });
    if (stored)
        showAppended(typed.line, count);
}

void AddEntriesScreen::addSuggestedLines() {
    const double enterNo = leadingNumber(Text8->text());
    if (const auto refusal = enterNoRefusal(enterNo)) {
        ctx_.dialogs.message(*refusal);
        return;
    }
    std::vector<EntryLine> entryLines;
    if (!guardFileOperation(
            ctx_.dialogs, [&] { entryLines = EntryFile::readLines(ctx_.state.currentEntryFile); }))
        return;
    const double shownCount = leadingNumber(main_.controls().Text2->text());
    const SuggestionMode mode =
        Option1->isChecked() ? SuggestionMode::Total : SuggestionMode::Additional;
    if (const auto refusal =
            requestRefusal(mode, enterNo, shownCount, static_cast<int>(entryLines.size()))) {
        ctx_.dialogs.message(*refusal);
        return;
    }

    setRunning(true);
    ctx_.state.cancelRequested = false;
    // Once per run: seeding again for every attempt would repeat the same
    // numbers for as long as the clock shows the same time.
    ctx_.random.seed(ctx_.clock.secondsSinceMidnight());
    runSuggestionsFor(mode, enterNo, shownCount, entryLines);
    ctx_.state.cancelRequested = false;
    setRunning(false);
    if (closeAfterRun_)
        close();
}

void AddEntriesScreen::runSuggestionsFor(SuggestionMode mode, double enterNo, double shownCount,
                                         const std::vector<EntryLine>& entryLines) {
    std::vector<DrawRecord> draws;
    const QString history = historyFilePath(ctx_.state.installFolder, ctx_.state.selectedGame);
    // Numbers outside the game would only make every attempt fail: the run
    // names the damaged file instead.
    if (!guardFileOperation(ctx_.dialogs, [&] {
            draws = DrawHistoryFile::readAllDraws(history);
            requireDrawsInRange(ctx_.state.selectedGame, draws, history);
            requireLinesInRange(ctx_.state.selectedGame, entryLines, ctx_.state.currentEntryFile);
        }))
        return;
    if (draws.size() < kMinDrawsForSuggestions) {
        ctx_.dialogs.message(insufficientDrawsMessage());
        return;
    }

    SuggestionGenerator generator(ctx_.state.selectedGame, std::move(draws), entryLines, enterNo,
                                  ctx_.random, currentEntriesRangesDate(main_));
    const QString path = ctx_.state.currentEntryFile;
    auto store = [&](const EntryLine& line) {
        EntryFile::appendLine(path, line);
        showAppended(line, generator.lineCount() + 1);
    };
    auto cancelled = [this] {
        QCoreApplication::processEvents();
        return ctx_.state.cancelRequested;
    };
    guardFileOperation(ctx_.dialogs, [&] {
        const RunOutcome outcome =
            runSuggestions(generator, linesToMake(mode, enterNo, shownCount), store, cancelled);
        if (outcome.end == RunEnd::NoLineFound)
            ctx_.dialogs.message(noLineFoundMessage(outcome.added));
    });
}

void AddEntriesScreen::setRunning(bool running) {
    running_ = running;
    for (QPushButton* b : {Command3, Command4, Command5, Command6})
        b->setEnabled(!running);
}

void AddEntriesScreen::closeEvent(QCloseEvent* event) {
    if (putOffCloseDuringRun(event, running_, closeAfterRun_, ctx_.state.cancelRequested))
        return;
    SecondaryScreen::closeEvent(event);
}

void AddEntriesScreen::onClosing() {
    // Earlier check results no longer match the entries.
    main_.clearWinningLines();
}

} // namespace numbrava
