#pragma once

#include "ui/secondary_screen.h"

class QListWidget;

namespace numbrava {

class MainView;

// Form8: the entry files of the data folder, each viewable, and deletable
// unless it is the file the main screen shows.
class FileDeletionScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    explicit FileDeletionScreen(MainView& mainWindow);

  private:
    void buildUi();
    void viewandcreate();
    void deleteChosenFile();
    void refresh();

    MainView& main_;
    QListWidget* files_ = nullptr;    // File1
    QListWidget* contents_ = nullptr; // List2
};

} // namespace numbrava
