// Filtering the entry shown.
#include "main/main_window.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace numbrava {

void MainWindow::setupFilterActions() {
    // Not part of the program yet.
    ui_.mnufilter->setEnabled(false);
}

} // namespace numbrava
