// Typing in draw results and the results list.
#include "data/dates.h"
#include "main/add_result_screen.h"
#include "main/main_window.h"
#include "main/results_list_screen.h"
#include "ui/date_picker.h"

#include <QPushButton>
#include <QToolButton>

namespace numbrava {

namespace {
// A draw is typed in only for a date that has none yet, and on a day that is
// not a draw day only after the user confirms it.
void openAddResult(MainWindow& window) {
    AppContext& ctx = window.context();
    if (window.isDrawShown()) {
        ctx.dialogs.message(
            QStringLiteral("There is already a draw result for this date and game. Delete the "
                           "draw first if you want to change it."));
        return;
    }
    const GameCode game = ctx.state.selectedGame;
    const QDate date = window.controls().DTPicker1->value();
    if (isBeforeFirstDraw(game, date)) {
        ctx.dialogs.message(beforeFirstDrawMessage(game, date));
        return;
    }
    if (!isDrawDay(game, date) && !ctx.dialogs.ask(resultsNotDrawDayQuestion(game, date)))
        return;
    window.openSecondary(new AddResultScreen(window));
}

// The list may move the result date; once it closes, the draw shown is looked
// up again so it matches the file.
void openResultsList(MainWindow& window) {
    auto* screen = new ResultsListScreen(window);
    QObject::connect(screen, &SecondaryScreen::closed, &window, &MainWindow::lookUpDraw);
    window.openSecondary(screen);
}
} // namespace

void MainWindow::setupResultActions() {
    connect(ui_.Command1, &QPushButton::clicked, this, [this] { openAddResult(*this); });
    connect(ui_.Image1, &QToolButton::clicked, this, [this] { openResultsList(*this); });
}

} // namespace numbrava
