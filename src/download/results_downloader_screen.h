#pragma once

#include "data/game.h"
#include "ui/secondary_screen.h"

#include <array>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace numbrava {

class MainView;
class ResultsTransfer;
struct DownloadServices;

// RDL: fetches fresh draw histories from the results server for the ticked
// games. The local history of a game is replaced only by a download that
// arrived whole, passed the check and (when asked) was accepted; whatever
// else happens it stays as it was.
class ResultsDownloaderScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    ResultsDownloaderScreen(MainView& mainWindow, DownloadServices& services);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    enum class GameOutcome { Kept, Declined, Failed, Corrupt };

    void buildUi();
    void downloadResults();
    // False when the user chose to stop after a failed game.
    bool downloadAndReport(GameCode game, bool& failureNoted);
    GameOutcome downloadGame(GameCode game);
    GameOutcome judgeDownload(GameCode game, int localCount);
    void finishRun(bool failureNoted);
    void endRun();
    void setRunning(bool running);
    void showState(int state);

    MainView& main_;
    DownloadServices& services_;
    ResultsTransfer* transfer_ = nullptr;
    bool running_ = false;
    // Closing during a run stops it: the transfer is cancelled, nothing more
    // is fetched or asked, and the screen closes once the run has ended.
    bool closeAfterRun_ = false;
    bool stopRequested_ = false;

    // Check1..Check4: a box for each game, in the order of allGames().
    std::array<QCheckBox*, 4> gameBoxes_{};
    QCheckBox* hangUpBox_ = nullptr;        // Check8
    QLineEdit* downloadingText_ = nullptr;  // Text1
    QProgressBar* progress_ = nullptr;      // ProgressBar1
    QLabel* status_ = nullptr;              // Label1
    QPushButton* downloadButton_ = nullptr; // Command1
    QPushButton* cancelButton_ = nullptr;   // Command2
    QPushButton* closeButton_ = nullptr;    // Command3
    QAction* askFirst_ = nullptr;           // mnuYes
};

} // namespace numbrava
