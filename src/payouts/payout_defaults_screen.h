#pragma once

#include "ui/app_context.h"
#include "ui/secondary_screen.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace numbrava {

// defaults: the default prize of each non-jackpot category of the selected
// game. Whichever screen opens it (the main screen from its menu, or the
// actual payouts screen) is disabled while it is shown and is the one
// enabled again when it closes.
class PayoutDefaultsScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    PayoutDefaultsScreen(QWidget* opener, AppContext& context);

  private:
    void buildUi();
    void showStoredAmounts();
    void update();

    AppContext& ctx_;
    GameCode game_;
    // Index 0 is the jackpot's box and label; 1..8 categories 2..9.
    std::array<QLabel*, 9> labels_{};
    std::array<QLineEdit*, 9> boxes_{};
    QPushButton* update_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace numbrava
