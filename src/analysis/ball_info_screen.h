#pragma once

#include "analysis/stats_views.h"
#include "ui/secondary_screen.h"

namespace numbrava {

class MainView;

// Form26: four facts about one ball of a statistics view over every stored
// draw of its scope: times drawn, date last drawn, draws since, times expected. Opened over
// the statistics screen, which sets its caption. Computed once on opening;
// reads the history file and writes nothing.
class BallInfoScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    BallInfoScreen(MainView& mainWindow, QWidget* opener, const StatsScope& scope, int ball);
};

} // namespace numbrava
