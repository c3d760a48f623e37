// Building wheels and opening stored ones.
#include "main/main_window.h"

#include "data/entry_file.h"
#include "wheels/wheel_catalogue.h"
#include "wheels/wheel_screen.h"

#include <QAction>
#include <QFileInfo>

namespace numbrava {

namespace {

void openWheelBuilder(MainWindow& main) {
    AppContext& ctx = main.context();
    EntryFile::deleteEmptyEntryFile(ctx.state.currentEntryFile);
    main.openSecondary(new WheelScreen(main));
}

// Lists the selected game's stored wheel of a type in place of the dated entries.
void openStoredWheel(MainWindow& main, int type) {
    AppState& state = main.context().state;
    const QString path = state.dataFile(wheelEntryFileName(state.selectedGame, type));
    if (!QFileInfo(path).isFile()) {
        // The main screen keeps what it lists, and so does openWheelType:
        // a wheel listed before stays the wheel the main screen shows.
        main.context().dialogs.message(QStringLiteral("You have not yet created this 5 wheel"));
        return;
    }
    state.openWheelType = type;
    main.showFixedEntryFile(path, /*hideEntriesDate=*/true);
}

} // namespace

void MainWindow::setupWheelActions() {
    connect(ui_.mnuWheelCreate, &QAction::triggered, this, [this] { openWheelBuilder(*this); });
    for (const WheelKind& kind : wheelCatalogue()) {
        const int type = kind.type;
        connect(ui_.mnuWheelOpenType[static_cast<size_t>(type - 1)], &QAction::triggered, this,
                [this, type] { openStoredWheel(*this, type); });
    }
}

} // namespace numbrava
