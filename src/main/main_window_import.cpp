// Importing text entries and deleting entry files.
#include "main/main_window.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace numbrava {

void MainWindow::setupImportActions() {
    // Not part of the program yet.
    ui_.mnuImport->setEnabled(false);
    ui_.mnuDelete->setEnabled(false);
}

} // namespace numbrava
