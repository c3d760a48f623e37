#pragma once

#include "ui/app_context.h"
#include "ui/secondary_screen.h"

class QComboBox;
class QGroupBox;
class QPushButton;

namespace numbrava {

// Form11 "Printer Selection": the installed printers in a drop-down with the
// saved one preselected. Closing makes the shown printer current and saves
// it in print.dat.
class PrinterSelectionScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    PrinterSelectionScreen(QWidget* opener, AppContext& context);

  signals:
    // A printer was chosen in a run that had none until now.
    void printerBecameAvailable();

  protected:
    void onClosing() override;

  private:
    void buildUi();
    void loadPrinters();

    AppContext& ctx_;
    QGroupBox* Frame1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace numbrava
