#pragma once

#include "data/game.h"
#include "ui/secondary_screen.h"
#include "wheels/wheel_builder.h"
#include "wheels/wheel_proposal.h"

#include <array>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace numbrava {

class MainView;
struct AppContext;

// Wheel5: builds an abbreviated wheel over a group of numbers the player
// picks (proposed from the most often drawn numbers) and stores it as the
// selected game's wheel entry of the chosen guarantee; prints its cover sheet.
class WheelScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    explicit WheelScreen(MainView& main);

  private:
    void buildUi();
    // Prepares the screen for a wheel type 1..6 (the choice of Option1..Option6).
    void setupwheeldata(int forwheel);
    void proposeNumbers();
    void clearsuggestedentries();
    // The group size chosen in Combo1: shows that many boxes with the proposal.
    void showGroupSize();
    QStringList shownBoxTexts() const;
    BonusRule bonusRule() const;
    QString entryFileName() const;
    void saveWheel();
    // The stored wheel of the type is in the main screen's place no more.
    void forgetShownWheel();
    void printCover();

    MainView& main_;
    AppContext& ctx_;
    const GameCode game_;
    int wheelType_ = 1;
    int groupSize_ = 0;
    std::vector<int> suggestedBalls_;

    std::array<QRadioButton*, 6> guarantees_{}; // Option1..Option6
    std::array<QLineEdit*, kWheelBoxCount> boxes_{};
    QComboBox* Combo1 = nullptr;
    QLineEdit* Text25 = nullptr;     // Entries Required
    QRadioButton* Option9 = nullptr; // Optimized
    QRadioButton* Option8 = nullptr; // Random
    QRadioButton* Option7 = nullptr; // Spread
    QPushButton* Command3 = nullptr; // Save Wheel
    QPushButton* Command2 = nullptr; // Print Cover
    QPushButton* Command1 = nullptr; // Close
};

} // namespace numbrava
