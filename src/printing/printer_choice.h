#pragma once

#include "data/app_state.h"
#include "ui/printer_service.h"

#include <QString>

namespace numbrava {

// Makes the named printer the current one and takes its two page settings
// into the state. False when the printer cannot be selected.
bool makeCurrentPrinter(PrinterService& printer, AppState& state, const QString& name);

// The start-up choice: the printer saved in print.dat when it is still
// installed, otherwise the last installed printer with a name. True when a
// printer was chosen; any failure of the printer system answers false.
bool selectSavedPrinter(PrinterService& printer, AppState& state);

} // namespace numbrava
