// Downloading fresh draw histories.
#include "download/results_downloader_screen.h"
#include "main/main_window.h"

#include <QAction>

namespace numbrava {

void MainWindow::setupDownloadActions() {
    ui_.mnuUpdateResults->setEnabled(false);
    // A downloaded history may hold the draw of the result date: once the
    // downloader closes, the draw shown is looked up again.
    connect(ui_.mnuUpdateResults, &QAction::triggered, this, [this] {
        if (!downloadServices_)
            return;
        auto* screen = new ResultsDownloaderScreen(*this, *downloadServices_);
        connect(screen, &SecondaryScreen::closed, this, &MainWindow::lookUpDraw);
        openSecondary(screen);
    });
}

void MainWindow::setDownloadServices(DownloadServices* services) {
    downloadServices_ = services;
    ui_.mnuUpdateResults->setEnabled(services != nullptr);
}

} // namespace numbrava
