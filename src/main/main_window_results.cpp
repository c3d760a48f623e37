// Typing in draw results and the results list.
#include "main/main_window.h"

#include <QPushButton>
#include <QToolButton>

namespace numbrava {

void MainWindow::setupResultActions() {
    ui_.Command1->setEnabled(false);
    ui_.Image1->setEnabled(false);
}

} // namespace numbrava
