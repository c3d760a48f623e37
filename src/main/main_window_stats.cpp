// The draw statistics chart.
#include "analysis/stats_screen.h"
#include "main/main_window.h"

#include <QToolButton>

namespace numbrava {

void MainWindow::setupStatsActions() {
    connect(ui_.Image3, &QToolButton::clicked, this,
            [this] { openSecondary(new StatsScreen(*this)); });
}

} // namespace numbrava
