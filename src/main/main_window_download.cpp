// Downloading fresh draw histories.
#include "main/main_window.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace numbrava {

void MainWindow::setupDownloadActions() {
    // Not part of the program yet.
    ui_.mnuUpdateResults->setEnabled(false);
}

} // namespace numbrava
