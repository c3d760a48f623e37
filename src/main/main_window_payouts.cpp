// Maintaining the actual payouts.
#include "main/main_window.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace numbrava {

void MainWindow::setupPayoutActions() {
    // Not part of the program yet.
    ui_.mnuactualpayouts->setEnabled(false);
}

} // namespace numbrava
