// Checking the entries against the shown draw, and the prize tables.
#include "main/main_window.h"

#include "data/draw_history_file.h"
#include "data/file_error.h"
#include "data/main_number_range.h"
#include "data/number_text.h"
#include "main/draw_check.h"
#include "payouts/payout_defaults_screen.h"
#include "payouts/payout_lookup.h"
#include "ui/date_picker.h"

#include <QAction>
#include <QItemSelection>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace numbrava {

namespace {
// Exactly the winning rows end up selected, in one selection change.
void selectWinningRows(QListWidget* list, const CheckResult& result) {
    list->clearSelection();
    QItemSelection rows;
    for (const WinningLine& winner : result.winners)
        if (winner.row < list->count()) {
            const QModelIndex index = list->model()->index(winner.row, 0);
            rows.select(index, index);
        }
    list->selectionModel()->select(rows, QItemSelectionModel::Select);
}

void listWinningLines(QListWidget* list, const CheckResult& result) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(result.winners.size()));
    for (const WinningLine& winner : result.winners)
        texts << winner.text;
    list->addItems(texts);
}
} // namespace

void MainWindow::setupCheckActions() {
    connect(ui_.Command14, &QPushButton::clicked, this, &MainWindow::checkEntries);
    // From the menu the main screen is the opener; the actual payouts screen
    // opens the same screen over itself, and then only it is enabled again.
    connect(ui_.mnuDEfaults, &QAction::triggered, this,
            [this] { openSecondary(new PayoutDefaultsScreen(this, ctx_)); });
}

void MainWindow::checkEntries() {
    AppState& state = ctx_.state;
    // The prize look-up comes first, whatever follows.
    const PayoutLookUp payouts =
        lookUpPayouts(state.installFolder, state.selectedGame, ui_.DTPicker1->day(),
                      ui_.DTPicker1->month(), ui_.DTPicker1->year());
    for (const QString& problem : payouts.problems)
        reportFileError(FileError(problem));

    ui_.List2->clear();
    if (leadingNumber(ui_.Text2->text()) < 1) {
        ctx_.dialogs.message(QStringLiteral("You do not have any entries listed to check!"));
        return;
    }
    if (!isDrawShown()) {
        ctx_.dialogs.message(
            QStringLiteral("You do not have any draw result listed to check against!"));
        return;
    }

    CheckResult result;
    try {
        const CheckDraw draw = CheckDraw::fromDisplayed(state.displayedDraw);
        requireMainNumbersInRange(state.selectedGame, draw.main,
                                  historyFilePath(state.installFolder, state.selectedGame),
                                  state.displayedDrawRecord);
        result = checkEntryFile(state.currentEntryFile, state.selectedGame, draw, payouts.table);
    } catch (const FileError& error) {
        reportFileError(error);
        return;
    }
    for (int i = 0; i < result.jackpotLines; ++i)
        ctx_.sound.play(state.dataFile(QStringLiteral("tada.wav")));
    listWinningLines(ui_.List2, result);
    selectWinningRows(ui_.List1, result);
    ui_.Text3->setText(withLeadingBlank(result.winCount()));
    ctx_.dialogs.message(checkReport(result, payouts));
}

} // namespace numbrava
