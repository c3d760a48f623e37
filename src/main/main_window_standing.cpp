// Saving and opening the standing entry.
#include "main/main_window.h"

#include "data/entry_file.h"
#include "data/number_text.h"
#include "data/regular_file.h"
#include "entries/standing_entry.h"
#include "ui/file_guard.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>

namespace numbrava {

namespace {

// The standing file counts as there only when it can be opened for reading.
bool standingFileExists(const QString& path) {
    QFile file(path);
    return openRegularFile(file, QIODevice::ReadOnly).isEmpty();
}

void saveAsStandingEntry(MainWindow& main) {
    AppContext& ctx = main.context();
    const QString shown = ctx.state.currentEntryFile;
    if (entryKindOf(shown) == EntryKind::Standing) {
        ctx.dialogs.message(QStringLiteral("Done."));
        return;
    }
    if (leadingNumber(main.controls().Text2->text()) < 1) {
        ctx.dialogs.message(
            QStringLiteral("You do not have any entries displayed to save as a standing entry"));
        return;
    }
    const QString standing = standingEntryPath(ctx.state.installFolder, ctx.state.selectedGame);
    if (QFile::exists(standing) &&
        !ctx.dialogs.ask(QStringLiteral(
            "You already have a standing for this game. Only one standing entry is allowed per "
            "game. Do you want to continue and overwrite your existing file?")))
        return;
    if (guardFileOperation(ctx.dialogs, [&] { saveStandingEntry(shown, standing); }))
        ctx.dialogs.message(QStringLiteral("Done!"));
}

void openStandingEntry(MainWindow& main) {
    AppContext& ctx = main.context();
    const QString standing = standingEntryPath(ctx.state.installFolder, ctx.state.selectedGame);
    if (!standingFileExists(standing)) {
        ctx.dialogs.message(QStringLiteral("You do not have a standing entry for this game!"));
        return;
    }
    // A damaged file is refused before the main screen leaves what it shows.
    if (!guardFileOperation(ctx.dialogs, [&] { EntryFile::countLines(standing); }))
        return;
    // No stored wheel is shown from here on, so saving a wheel leaves this view alone.
    ctx.state.openWheelType = 0;
    main.showFixedEntryFile(standing, /*hideEntriesDate=*/false);
}

} // namespace

void MainWindow::setupStandingActions() {
    connect(ui_.mnustandsave, &QAction::triggered, this,
            [this] { runAsStep([this] { saveAsStandingEntry(*this); }); });
    connect(ui_.mnustandopen, &QAction::triggered, this, [this] { openStandingEntry(*this); });
}

} // namespace numbrava
