#pragma once

#include "data/app_state.h"
#include "download/download_services.h"
#include "ui/app_context.h"

#include <memory>

namespace numbrava {

// The real services of a run and the state they share, kept together so the
// main window can hold them for its whole life.
struct ProductionServices {
    ProductionServices();
    ~ProductionServices();

    AppState state;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<PrinterService> printer;
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<RandomSource> random;
    AppContext context;
    std::unique_ptr<HttpClient> http;
    std::unique_ptr<DialupService> dialup;
    // The results downloader's own services, handed to the main window.
    DownloadServices download;
};

} // namespace numbrava
