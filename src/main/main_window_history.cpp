// Checking the entries against every draw of a period.
#include "data/draw_history_file.h"
#include "data/number_text.h"
#include "history/history_check_screen.h"
#include "main/main_window.h"
#include "ui/file_guard.h"

#include <QLineEdit>
#include <QPushButton>

namespace numbrava {

namespace {
// The history check opens only with lines listed and draws stored.
void openHistoryCheck(MainWindow& window) {
    AppContext& ctx = window.context();
    const QString history = historyFilePath(ctx.state.installFolder, window.gameOfOptions());
    if (leadingNumber(window.controls().Text2->text()) < 1) {
        ctx.dialogs.message(QStringLiteral(
            "You do not have any entries listed to check against the draw history!"));
        return;
    }
    int draws = 0;
    if (!guardFileOperation(ctx.dialogs, [&] { draws = DrawHistoryFile::countDraws(history); }))
        return;
    if (draws == 0) {
        ctx.dialogs.message(QStringLiteral(
            "There are no results in the results file - you cannot do a history check!"));
        return;
    }
    window.openSecondary(new HistoryCheckScreen(window));
}
} // namespace

void MainWindow::setupHistoryActions() {
    connect(ui_.Command12, &QPushButton::clicked, this, [this] { openHistoryCheck(*this); });
}

} // namespace numbrava
