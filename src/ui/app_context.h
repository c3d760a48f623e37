#pragma once

#include "data/app_state.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/printer_service.h"
#include "ui/random_source.h"
#include "ui/sound_player.h"

namespace numbrava {

// What every screen gets: the run's shared state and the services that touch
// the outside world (real ones in the program, doubles in the tests).
struct AppContext {
    AppState& state;
    Dialogs& dialogs;
    PrinterService& printer;
    SoundPlayer& sound;
    Clock& clock;
    RandomSource& random;
};

} // namespace numbrava
