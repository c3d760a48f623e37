// Importing draws from a results file and exporting a history as one.
#include "data/draw_history_file.h"
#include "main/main_window.h"
#include "results/import_results_screen.h"
#include "results/results_export.h"
#include "ui/file_guard.h"

#include <QAction>
#include <QFileInfo>

namespace numbrava {

namespace {
// The whole history of the selected game through the save dialog, in the
// folder last used for a results file.
void exportHistory(MainWindow& window) {
    AppState& state = window.context().state;
    const GameCode game = state.selectedGame;
    const QString suggested =
        QFileInfo(gameInfo(game).historyFile).completeBaseName() + QStringLiteral(".csv");
    const QString start = state.resultsFolder.isEmpty()
                              ? suggested
                              : state.resultsFolder + QLatin1Char('/') + suggested;
    const QString path = window.context().dialogs.chooseFile(
        {FileChoice::Kind::Save, QStringLiteral("Export Results"), start,
         QStringLiteral("Results files (*.csv)")});
    if (path.isEmpty())
        return;
    state.resultsFolder = QFileInfo(path).absolutePath();
    guardFileOperation(window.context().dialogs,
                       [&] { exportResults(historyFilePath(state.installFolder, game), path); });
}
} // namespace

void MainWindow::setupResultsFileActions() {
    connect(ui_.mnuImportResults, &QAction::triggered, this, [this] {
        auto* screen = new ImportResultsScreen(*this);
        // The draw of the result date may have come with the file.
        connect(screen, &SecondaryScreen::closed, this, &MainWindow::lookUpDraw);
        openSecondary(screen);
    });
    connect(ui_.mnuExportResults, &QAction::triggered, this, [this] { exportHistory(*this); });
}

} // namespace numbrava
