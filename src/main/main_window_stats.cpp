// The draw statistics chart.
#include "main/main_window.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace numbrava {

void MainWindow::setupStatsActions() {
    // Not part of the program yet.
    ui_.Image3->setEnabled(false);
}

} // namespace numbrava
