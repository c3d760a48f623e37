#pragma once

#include "data/draw_record.h"
#include "data/file_journal.h"
#include "data/game.h"
#include "ui/app_context.h"
#include "ui/form1_controls.h"
#include "ui/main_view.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <utility>

namespace numbrava {

class FileError;
class SecondaryScreen;
struct DownloadServices;

// Form1: the program's main window. It holds the run's view of the data (the
// game, the entries and the draw shown), switches games and opens every
// other screen. The other screens call the public operations below.
class MainWindow : public QMainWindow, public MainView {
    Q_OBJECT
  public:
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: today's dates, the last game with its entries and draw, the
    // saved printer.
    void start();

    AppContext& context() override { return ctx_; }
    QWidget* asWidget() override { return this; }
    Form1Controls& controls() override { return ui_; }

    // The game of the option buttons.
    GameCode gameOfOptions() const override;
    // Each game option button with the game it selects, in reading order.
    std::array<std::pair<QRadioButton*, GameCode>, 4> gameOptions() const;
    void switchGame(GameCode game);

    // Ball display.
    void showDrawBall(int slot, int number) override;
    void hideDrawBalls() override;
    bool isDrawShown() const override;
    void resetMainScreen() override;

    // Looks up the draw of the result date and shows it.
    void lookUpDraw() override;
    // Makes the dated entry file of the entries date current and lists it.
    void loadDatedEntryFile() override;
    // Lists the lines of a file that has been made current.
    void listEntryFile(const QString& path) override;
    void addEntryLine(const EntryLine& line) override;
    void clearWinningLines() override;
    void showFixedEntryFile(const QString& path, bool hideEntriesDate) override;
    void showDatedEntries() override;

    // Opens a screen the secondary way: this window waits disabled until it
    // closes. What the screen changes in the files is one step for Undo.
    void openSecondary(SecondaryScreen* screen);
    // Runs a handler that changes files as one step for Undo.
    void runAsStep(const std::function<void()>& action);
    // Lists the shown entry file again: the entries date for a dated entry,
    // the same file in the same view for a standing or wheel entry.
    void reloadShownEntries();

    // Shows a file problem once; the same problem again right after is not repeated.
    void reportFileError(const FileError& error) override;
    void openHelpAt(const QString& section) override;

    void shutDown();

    // What the results downloader works with; "Update Results" stays
    // disabled until it is given.
    void setDownloadServices(DownloadServices* services);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildUi();
    void buildMenus();
    void connectControls();
    void deleteDraw();
    void openAbout();
    void setFrameCaptions(GameCode game);

    // Each feature wires its own buttons and menu items (one file each).
    void setupResultActions();
    void setupCheckActions();
    void setupEntryActions();
    void setupPrintingActions();
    void setupWheelActions();
    void setupHistoryActions();
    void setupStatsActions();
    void setupOptimizerActions();
    void setupStandingActions();
    void setupFilterActions();
    void setupPayoutActions();
    void setupDownloadActions();
    void setupImportActions();
    void setupResultsFileActions();
    void setupUndoActions();
    void updateUndoActions();
    void undoOrRedo(bool undo);
    void selectSavedPrinter();
    void openPrinterSelection();
    // The heading a printed list of a frame carries (none for the old games).
    QString headingOf(const QGroupBox* frame) const;
    void checkEntries();

    AppContext& ctx_;
    FileJournal journal_;
    Form1Controls ui_;
    bool shutDownDone_ = false;
    QString lastFileProblem_;
    DownloadServices* downloadServices_ = nullptr;
};

} // namespace numbrava
