#include "analysis/link_process_screen.h"

#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "data/file_error.h"
#include "ui/busy_cursor.h"
#include "ui/date_picker.h"
#include "ui/file_guard.h"
#include "ui/main_view.h"
#include "ui/screen_parts.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace numbrava {

LinkProcessScreen::LinkProcessScreen(MainView& main)
    : SecondaryScreen(main.asWidget()), main_(main), ctx_(main.context()),
      game_(ctx_.state.selectedGame), counts_(game_) {
    setObjectName(QStringLiteral("LinkProcess"));
    setWindowTitle(QStringLiteral("Entry Optimizer"));
    buildUi();
    readDrawCount(nullptr);
    Command2->setEnabled(false);
    DTPicker1->setValue(ctx_.clock.today());
    connect(Text1, &QLineEdit::textChanged, this, [this] { Command2->setEnabled(false); });
    connect(Text1, &QLineEdit::returnPressed, Command1, &QPushButton::click);
    connect(Command1, &QPushButton::clicked, this, &LinkProcessScreen::processRange);
    connect(Command2, &QPushButton::clicked, this, &LinkProcessScreen::createEntries);
    connect(Command3, &QPushButton::clicked, this, &QWidget::close);
}

void LinkProcessScreen::buildUi() {
    Frame1 = new QGroupBox(QStringLiteral("Select Process Range"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* Label2 = new QLabel(QStringLiteral("Last"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Text1 = new QLineEdit;
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAlignment(Qt::AlignRight);
    Text1->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 14);
    Label2->setBuddy(Text1);
    auto* Label3 = new QLabel(QStringLiteral("Draws"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Command1 = namedButton("Command1", QStringLiteral("Process Range"));
    auto* range = new QHBoxLayout(Frame1);
    range->addWidget(Label2);
    range->addWidget(Text1);
    range->addWidget(Label3);
    range->addStretch();
    range->addWidget(Command1);

    auto* Label1 = new QLabel(QStringLiteral("Select Entry Date"));
    Label1->setObjectName(QStringLiteral("Label1"));
    DTPicker1 = new DatePicker;
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    Label1->setBuddy(DTPicker1);
    Command2 = namedButton("Command2", QStringLiteral("Create Entries for Selected Date"));
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(Label1);
    dateRow->addWidget(DTPicker1);
    dateRow->addStretch();
    dateRow->addWidget(Command2);

    Command3 = namedButton("Command3", QStringLiteral("Close"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(dateRow);
    layout->addLayout(buttonRow({Command3}));
    Text1->setFocus();
}

bool LinkProcessScreen::readDrawCount(std::vector<DrawRecord>* draws) {
    const QString history = historyFilePath(ctx_.state.installFolder, game_);
    int count = 0;
    const bool read = guardFileOperation(ctx_.dialogs, [&] {
        if (draws) {
            *draws = DrawHistoryFile::readAllDraws(history);
            count = static_cast<int>(draws->size());
        } else {
            count = DrawHistoryFile::countDraws(history);
        }
    });
    Frame1->setTitle(OptimizerTexts::frameCaption(count));
    return read;
}

void LinkProcessScreen::processRange() {
    if (Text1->text().isEmpty()) {
        ctx_.dialogs.message(OptimizerTexts::enterValue());
        return;
    }
    // Counts from an earlier range never outlive a new attempt.
    counts_ = PairCounts(game_);
    Command2->setEnabled(false);
    std::vector<DrawRecord> draws;
    {
        const BusyCursor busy;
        if (!readDrawCount(&draws))
            return;
    }
    const StudiedRange range = studiedRange(Text1->text(), static_cast<int>(draws.size()));
    if (!range.refusal.isEmpty()) {
        ctx_.dialogs.message(range.refusal);
        return;
    }
    ctx_.dialogs.message(OptimizerTexts::processed(Text1->text()));
    processed_ = true;
    created_ = false;
    draws.erase(draws.begin(), draws.begin() + (range.firstRecord - 1));
    counts_ = PairCounts(game_, draws);
    Command2->setEnabled(true);
}

void LinkProcessScreen::createEntries() {
    const QDate date = DTPicker1->value();
    // Even when nothing gets written: the main screen lists the file anew.
    if (date == main_.controls().DTPicker2->value())
        reloadMain_ = true;
    const QString path = datedEntryFileName(ctx_.state.installFolder, game_, date);
    int held = 0;
    if (!guardFileOperation(ctx_.dialogs, [&] { held = EntryFile::countLines(path); }))
        return;
    if (held > 0 && !ctx_.dialogs.ask(OptimizerTexts::appendQuestion()))
        return;
    const std::vector<EntryLine> lines = optimizedLines(counts_, date);
    if (!guardFileOperation(ctx_.dialogs, [&] { EntryFile::appendDatedLines(path, lines, date); }))
        return;
    // Looking at the count created the file; no lines, no file (unless the
    // main screen lists it, which drops it itself when it moves on).
    if (held == 0 && lines.empty() && path != ctx_.state.currentEntryFile)
        EntryFile::deleteEmptyEntryFile(path);
    ctx_.dialogs.message(OptimizerTexts::done(static_cast<int>(lines.size())));
    created_ = true;
}

void LinkProcessScreen::closeEvent(QCloseEvent* event) {
    if (processed_ && !created_ && !ctx_.dialogs.ask(OptimizerTexts::quitQuestion())) {
        event->ignore();
        return;
    }
    SecondaryScreen::closeEvent(event);
}

void LinkProcessScreen::onClosing() {
    if (reloadMain_)
        emit entriesDateChanged();
}

} // namespace numbrava
