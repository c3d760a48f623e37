// Adding, editing and deleting entry lines.
#include "main/main_window.h"

#include <QPushButton>

namespace numbrava {

void MainWindow::setupEntryActions() {
    ui_.Command4->setEnabled(false);
    ui_.Command6->setEnabled(false);
    ui_.Command5->setEnabled(false);
}

} // namespace numbrava
