// The entry optimizer.
#include "analysis/link_process_screen.h"
#include "data/entry_file.h"
#include "main/main_window.h"
#include "ui/date_picker.h"

#include <QAction>

namespace numbrava {

namespace {
// Lines went to the entries date: its list is loaded again, unless a standing
// or wheel entry is shown in its place.
void reloadDatedEntries(MainWindow& window) {
    const AppState& state = window.context().state;
    if (state.currentEntryFile == datedEntryFileName(state.installFolder, state.selectedGame,
                                                     window.controls().DTPicker2->value()))
        window.loadDatedEntryFile();
}

void openOptimizer(MainWindow& window) {
    auto* screen = new LinkProcessScreen(window);
    QObject::connect(screen, &LinkProcessScreen::entriesDateChanged, &window,
                     [&window] { reloadDatedEntries(window); });
    window.openSecondary(screen);
}
} // namespace

void MainWindow::setupOptimizerActions() {
    connect(ui_.mnuoptcreate, &QAction::triggered, this, [this] { openOptimizer(*this); });
}

} // namespace numbrava
