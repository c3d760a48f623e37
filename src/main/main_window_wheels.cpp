// Building wheels and opening stored ones.
#include "main/main_window.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace numbrava {

void MainWindow::setupWheelActions() {
    // Not part of the program yet.
    ui_.mnuWheelCreate->setEnabled(false);
    for (QAction* a : ui_.mnuWheelOpenType)
        a->setEnabled(false);
}

} // namespace numbrava
