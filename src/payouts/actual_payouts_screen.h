#pragma once

#include "data/game.h"
#include "ui/secondary_screen.h"

#include <QPointer>
#include <array>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace numbrava {

class DatePicker;
class MainView;
class PayoutDefaultsScreen;

// payouts: the prizes really paid in each category for one draw date of the
// selected game, marked confirmed or provisional. It shows what is stored
// for the date picked, stores what is typed, fills the non-jackpot boxes from
// the defaults, and opens the defaults screen over itself.
class ActualPayoutsScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    explicit ActualPayoutsScreen(MainView& mainWindow);

  protected:
    void onClosing() override;

  private:
    void buildUi();
    QWidget* buildAmounts();
    QWidget* buildPayoutType();
    void showStoredTable();
    void addPayout();
    void clearBoxes();
    void addDefaults();
    void changeDefaults();

    MainView& main_;
    GameCode game_;
    DatePicker* date_ = nullptr;          // DTPicker1
    std::array<QLineEdit*, 9> boxes_{};   // Text1..Text9, Text1 the jackpot
    QRadioButton* confirmed_ = nullptr;   // Option1
    QRadioButton* provisional_ = nullptr; // Option2
    QPointer<PayoutDefaultsScreen> defaults_;
};

} // namespace numbrava
