#pragma once

#include "data/game.h"

#include <QString>
#include <array>
#include <cstdint>

namespace numbrava {

// The values a run shares between its screens. One instance, owned by the
// application and handed to every screen by reference.
struct AppState {
    GameCode selectedGame = NoGame;
    // Folder of every data file, without a trailing separator.
    QString installFolder;
    // Entry file whose lines the main screen lists; empty when none.
    QString currentEntryFile;
    // History file of the selected game as last looked up.
    QString currentHistoryFile;
    // The draw shown: slots 0..4 main balls ascending, slot 5 the bonus.
    std::array<std::int16_t, 8> displayedDraw{};
    // Record of the shown draw in its history file; 0 when unknown.
    std::int16_t displayedDrawRecord = 0;
    // Kind of stored wheel shown on the main screen (1..6), 0 for none.
    int openWheelType = 0;
    // Set by a Cancel button, read between the steps of a long run.
    bool cancelRequested = false;
    // False when no printer could be chosen at start-up.
    bool printerAvailable = false;
    // The chosen printer's two page settings, set back before every job.
    std::int16_t printSetting1 = 0;
    std::int16_t printSetting2 = 0;
    // The folder of the results file last imported or exported; empty: none yet.
    QString resultsFolder;

    QString dataFile(const QString& name) const { return installFolder + QLatin1Char('/') + name; }
};

} // namespace numbrava
