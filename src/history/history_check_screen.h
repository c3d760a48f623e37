#pragma once

#include "history/history_pages.h"
#include "ui/secondary_screen.h"

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QStackedWidget;

namespace numbrava {

class DatePicker;
class HistoryCheck;
class LinePageModel;
class MainView;
struct AppContext;

// Form6: checks the main screen's entry lines against every stored draw of a
// period, lists the winning lines under their draw's heading on four pages
// and totals the wins per prize category. It writes no file.
class HistoryCheckScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    // pageLimit: lines per result page (smaller only in tests).
    explicit HistoryCheckScreen(MainView& main, int pageLimit = kHistoryPageLimit);
    ~HistoryCheckScreen() override;

    bool isRunning() const { return running_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildUi();
    QWidget* buildTotals();
    void setStartAndEndDates();
    void check();
    // Reads the history and the lines; false after a refusal or a file problem.
    bool prepareRun();
    void runDraws();
    void showNewLines();
    void endRun();
    void setRunning(bool running);
    void catchUpPage(int page);
    void showPage(int page);
    void nextPage();
    void previousPage();
    int shownPage() const;

    MainView& main_;
    AppContext& ctx_;
    int pageLimit_;
    std::unique_ptr<HistoryCheck> run_;
    int pagesFilledSeen_ = 0;
    bool running_ = false;
    bool closeAfterRun_ = false;

    DatePicker* DTPicker1 = nullptr;  // start date
    DatePicker* DTPicker2 = nullptr;  // end date
    QPushButton* Command1 = nullptr;  // Close
    QPushButton* Command2 = nullptr;  // Check
    QPushButton* Command3 = nullptr;  // Cancel
    QPushButton* Command4 = nullptr;  // next page
    QPushButton* Command5 = nullptr;  // previous page
    std::array<QLabel*, 9> Label{};   // Label1..Label9: category labels
    std::array<QLineEdit*, 9> Text{}; // Text1..Text9: category totals
    QLabel* Label10 = nullptr;        // status line
    QLabel* Label11 = nullptr;        // which page is shown: "Page 2 of 4"
    QProgressBar* ProgressBar1 = nullptr;
    QStackedWidget* pageStack_ = nullptr;
    std::array<QListView*, HistoryPages::kPageCount> List1{};
    std::array<LinePageModel*, HistoryPages::kPageCount> pageModels_{};
};

} // namespace numbrava
