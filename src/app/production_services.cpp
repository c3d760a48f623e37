#include "app/production_services.h"

#include "ui/qt_printer_service.h"

namespace numbrava {

ProductionServices::ProductionServices()
    : dialogs(std::make_unique<QtDialogs>()), printer(std::make_unique<QtPrinterService>()),
      sound(std::make_unique<QtSoundPlayer>()), clock(std::make_unique<SystemClock>()),
      random(std::make_unique<StandardRandomSource>()), context{state,  *dialogs, *printer,
                                                                *sound, *clock,   *random} {
    // One seed per run, from the time of day.
    random->seed(clock->secondsSinceMidnight());
}

ProductionServices::~ProductionServices() = default;

} // namespace numbrava
