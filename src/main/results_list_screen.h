#pragma once

#include "ui/secondary_screen.h"

class QListView;
class QPushButton;
class QStringListModel;

namespace numbrava {

class MainView;

// Form3: every stored draw of the game as one fixed-column line, oldest first.
// A double-click (or Enter) makes that draw the one shown on the main screen;
// the list can be printed. It reads the history file once, on opening, and writes nothing.
class ResultsListScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    explicit ResultsListScreen(MainView& mainWindow);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildUi();
    void loadDraws();
    void showSelectedDraw();
    void showCurrentDraw();
    void printDraws();

    MainView& main_;
    QListView* list_ = nullptr;          // List1
    QStringListModel* lines_ = nullptr;  // its lines
    QPushButton* printButton_ = nullptr; // Command2
    QPushButton* closeButton_ = nullptr; // Command1
    bool scrolledToNewest_ = false;
};

} // namespace numbrava
