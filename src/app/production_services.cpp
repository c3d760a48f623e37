#include "app/production_services.h"

#include "app/results_server.h"
#include "ui/qt_printer_service.h"

namespace numbrava {

ProductionServices::ProductionServices()
    : dialogs(std::make_unique<QtDialogs>()), printer(std::make_unique<QtPrinterService>()),
      sound(std::make_unique<QtSoundPlayer>()), clock(std::make_unique<SystemClock>()),
      random(std::make_unique<StandardRandomSource>()), context{state,  *dialogs, *printer,
                                                                *sound, *clock,   *random},
      http(std::make_unique<QtHttpClient>()),
      dialup(std::make_unique<NoDialupService>()), download{*http, *dialup,
                                                            resultsServerAddress({})} {
    // One seed per run, from the time of day.
    random->seed(clock->secondsSinceMidnight());
}

ProductionServices::~ProductionServices() = default;

} // namespace numbrava
