// Filtering the entry shown.
#include "main/main_window.h"

#include "data/entry_file.h"
#include "entries/entry_filter_screen.h"

#include <QAction>
#include <QLineEdit>

namespace numbrava {

namespace {

void openEntryFilter(MainWindow& main) {
    AppContext& ctx = main.context();
    if (entryKindOf(ctx.state.currentEntryFile) == EntryKind::Wheel &&
        !ctx.dialogs.ask(QStringLiteral("If you filter a wheel, the guarantee will no longer "
                                        "apply. Are you sure you want to continue?")))
        return;
    const QString shown = main.controls().Text2->text();
    if (shown.isEmpty() || shown == QStringLiteral("0")) {
        ctx.dialogs.message(QStringLiteral("You have no entries displayed to filter."));
        return;
    }
    auto* screen = new EntryFilterScreen(main);
    QObject::connect(screen, &SecondaryScreen::closed, &main, &MainWindow::reloadShownEntries);
    main.openSecondary(screen);
}

} // namespace

void MainWindow::setupFilterActions() {
    connect(ui_.mnufilter, &QAction::triggered, this, [this] { openEntryFilter(*this); });
}

} // namespace numbrava
