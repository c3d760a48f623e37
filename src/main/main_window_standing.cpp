// Saving and opening the standing entry.
#include "main/main_window.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace numbrava {

void MainWindow::setupStandingActions() {
    // Not part of the program yet.
    ui_.mnustandsave->setEnabled(false);
    ui_.mnustandopen->setEnabled(false);
}

} // namespace numbrava
