// The printer of the run and the two Print buttons.
#include "main/main_window.h"

#include <QAction>
#include <QPushButton>

namespace numbrava {

void MainWindow::setupPrintingActions() {
    ui_.mnuprinterselect->setEnabled(false);
}

void MainWindow::selectSavedPrinter() {
    ctx_.state.printerAvailable = false;
    ui_.Command9->setEnabled(false);
    ui_.Command10->setEnabled(false);
}

} // namespace numbrava
