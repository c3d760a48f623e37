// Maintaining the actual payouts.
#include "main/main_window.h"

#include "payouts/actual_payouts_screen.h"

#include <QAction>

namespace numbrava {

void MainWindow::setupPayoutActions() {
    connect(ui_.mnuactualpayouts, &QAction::triggered, this,
            [this] { openSecondary(new ActualPayoutsScreen(*this)); });
}

} // namespace numbrava
