#pragma once

#include "ui/secondary_screen.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;

namespace numbrava {

class MainView;
struct AppContext;

// Form10: thins out the entry shown on the main screen. Check marks lines on
// a working copy (temp.lot) by their sum and by their overlap; the player may
// tick lines by hand, print the list, and remove the checked lines from the
// entry file. The main screen shows the result once this screen closes.
class EntryFilterScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    explicit EntryFilterScreen(MainView& main);

    bool isRunning() const { return running_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildUi();
    QWidget* buildTotals();
    QWidget* buildFilterSelection();
    void showSumWindow();
    void runFilter();
    void tickedByHand(QListWidgetItem* item);
    void removeCheckedItems();
    void printList();
    void clearResult();
    void setRunning(bool running);
    QString workFile() const;

    MainView& main_;
    AppContext& ctx_;
    QListWidget* List1 = nullptr;
    QPushButton* Command4 = nullptr; // Print
    QPushButton* Command2 = nullptr; // Remove Checked Items From Entry
    QLineEdit* Text1 = nullptr;      // Total Entries
    QLineEdit* Text2 = nullptr;      // Checked
    QLineEdit* Text3 = nullptr;      // Resulting No.
    QCheckBox* Check1 = nullptr;     // sum filter
    QSlider* Slider1 = nullptr;
    QLabel* sumWindowLabel_ = nullptr;
    QCheckBox* Check2 = nullptr; // duplicate coverage filter
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* Command1 = nullptr; // Check
    QPushButton* Command3 = nullptr; // Close
    bool filterRun_ = false;
    int runLines_ = 0;
    bool running_ = false;
    bool closeAfterRun_ = false;
};

} // namespace numbrava
