// Checking the entries against the shown draw, and the prize tables.
#include "main/main_window.h"

#include <QAction>
#include <QPushButton>

namespace numbrava {

void MainWindow::setupCheckActions() {
    ui_.Command14->setEnabled(false);
    ui_.mnuDEfaults->setEnabled(false);
}

void MainWindow::checkEntries() {}

} // namespace numbrava
