#pragma once

#include "entries/suggestion_run.h"
#include "ui/secondary_screen.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace numbrava {

class LineBoxes;
class MainView;
struct AppContext;

// Form5: adds typed lines and computer-suggested lines to the entry shown on
// the main screen. Every line goes to the end of the entry file and of the
// main screen's list at once.
class AddEntriesScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    AddEntriesScreen(MainView& main, const QString& caption);

    bool isRunning() const { return running_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void onClosing() override;

  private:
    void buildUi();
    void addTypedLine();
    void addSuggestedLines();
    void runSuggestionsFor(SuggestionMode mode, double enterNo, double shownCount,
                           const std::vector<EntryLine>& entryLines);
    // The line is in the file: show it on the main screen with the new count.
    void showAppended(const EntryLine& line, int count);
    void setRunning(bool running);

    MainView& main_;
    AppContext& ctx_;
    LineBoxes* lineBoxes_ = nullptr;
    QPushButton* Command6 = nullptr; // Add (typed line)
    QPushButton* Command5 = nullptr; // Clear
    QPushButton* Command3 = nullptr; // Close
    QLineEdit* Text8 = nullptr;      // Enter No
    QRadioButton* Option1 = nullptr; // Total
    QRadioButton* Option2 = nullptr; // Additional
    QPushButton* Command4 = nullptr; // Add (suggested lines)
    QPushButton* Command1 = nullptr; // Cancel
    bool running_ = false;
    bool closeAfterRun_ = false;
};

} // namespace numbrava
