// The entry optimizer.
#include "main/main_window.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace numbrava {

void MainWindow::setupOptimizerActions() {
    // Not part of the program yet.
    ui_.mnuoptcreate->setEnabled(false);
}

} // namespace numbrava
