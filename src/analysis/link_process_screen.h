#pragma once

#include "analysis/optimizer.h"
#include "ui/secondary_screen.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace numbrava {

class DatePicker;
class MainView;
struct AppContext;

// LinkProcess, the entry optimizer: counts how often the main numbers came up
// together in the latest draws and adds the lines chained from those counts
// to the dated entry file of a picked date. The counts live as long as the
// screen, so one count can give lines to several dates.
class LinkProcessScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    explicit LinkProcessScreen(MainView& main);

  signals:
    // Sent on closing when lines were meant for the main screen's entries
    // date, so the main screen lists that date's entries again.
    void entriesDateChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void onClosing() override;

  private:
    void buildUi();
    // Reads the draw count again; false when the file cannot be read.
    bool readDrawCount(std::vector<DrawRecord>* draws);
    void processRange();
    void createEntries();

    MainView& main_;
    AppContext& ctx_;
    GameCode game_;
    PairCounts counts_;
    bool processed_ = false;
    bool created_ = false;
    bool reloadMain_ = false;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr; // Process Range
    DatePicker* DTPicker1 = nullptr;
    QPushButton* Command2 = nullptr; // Create Entries for Selected Date
    QPushButton* Command3 = nullptr; // Close
};

} // namespace numbrava
