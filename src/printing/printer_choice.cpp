#include "printing/printer_choice.h"

#include "printing/saved_printer_file.h"

#include <algorithm>
#include <exception>
#include <limits>

namespace numbrava {

namespace {
std::int16_t asSetting(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}
} // namespace

bool makeCurrentPrinter(PrinterService& printer, AppState& state, const QString& name) {
    if (!printer.selectPrinter(name))
        return false;
    state.printSetting1 = asSetting(printer.pageSetting1());
    state.printSetting2 = asSetting(printer.pageSetting2());
    return true;
}

bool selectSavedPrinter(PrinterService& printer, AppState& state) {
    const QString saved = readSavedPrinterName(state.installFolder);
    try {
        // Every named printer is taken in turn until the saved one is met, so
        // the saved one wins when installed and the last one otherwise.
        bool savedMet = false;
        bool chosen = false;
        for (const QString& name : printer.installedPrinters()) {
            if (name.isEmpty())
                continue;
            const bool isSaved = !saved.isEmpty() && name == saved;
            if (savedMet && !isSaved)
                continue;
            if (makeCurrentPrinter(printer, state, name))
                chosen = true;
            if (isSaved)
                savedMet = true;
        }
        return chosen;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace numbrava
