// Checking the entries against every draw of a period.
#include "main/main_window.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace numbrava {

void MainWindow::setupHistoryActions() {
    // Not part of the program yet.
    ui_.Command12->setEnabled(false);
}

} // namespace numbrava
