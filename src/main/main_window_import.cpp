// Importing text entries and deleting entry files.
#include "main/main_window.h"

#include "entries/file_deletion_screen.h"
#include "entries/text_import_screen.h"

#include <QAction>

namespace numbrava {

void MainWindow::setupImportActions() {
    connect(ui_.mnuImport, &QAction::triggered, this, [this] {
        auto* screen = new TextImportScreen(*this);
        // The new lines are listed once the import screen has closed.
        connect(screen, &TextImportScreen::importClosed, this, [this](bool importDone) {
            if (importDone)
                loadDatedEntryFile();
        });
        openSecondary(screen);
    });
    connect(ui_.mnuDelete, &QAction::triggered, this,
            [this] { openSecondary(new FileDeletionScreen(*this)); });
}

} // namespace numbrava
