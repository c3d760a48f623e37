#pragma once

#include "ui/secondary_screen.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace numbrava {

class MainView;

// Form2: the result of the main screen's result date typed in by hand. Add
// checks the six numbers, stores the draw in date order and shows it on the
// main screen; every other way out stores nothing.
class AddResultScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    explicit AddResultScreen(MainView& mainWindow);

    // "Draw Result for " and the month, day and year, each with one leading blank.
    static QString captionFor(int day, int month, int year);

  private:
    void buildUi();
    void addResult();
    bool storeDraw(const std::array<std::int16_t, 5>& balls, std::int16_t bonus);

    MainView& main_;
    std::array<QLineEdit*, 5> mainBoxes_{}; // Text1..Text5
    QLineEdit* bonusBox_ = nullptr;         // Text6
    QLabel* bonusLabel_ = nullptr;          // Label1
    QPushButton* addButton_ = nullptr;      // Command1
    QPushButton* cancelButton_ = nullptr;   // Command2
};

} // namespace numbrava
