#pragma once

#include "data/game.h"
#include "results/results_import.h"
#include "ui/secondary_screen.h"

#include <array>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace numbrava {

class MainView;

// Takes the draws of a published results file into the selected game's
// history. Choosing a file previews it (nothing is written); Import stores
// its new draws, read again from the file, and closes the screen.
class ImportResultsScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    explicit ImportResultsScreen(MainView& mainWindow);

  private:
    void buildUi();
    void chooseFile();
    void preview();
    void showPreview(const ImportPreview& preview);
    void clearPreview();
    void import();
    QString historyPath() const;

    MainView& main_;
    GameCode game_;
    QString path_;
    ImportPreview shown_;
    QLineEdit* file_ = nullptr;           // Text1
    std::array<QLineEdit*, 5> counts_{};  // Text2..Text6
    QListWidget* rows_ = nullptr;         // List1
    QPushButton* importButton_ = nullptr; // Command2
};

} // namespace numbrava
