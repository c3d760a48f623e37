#pragma once

#include "ui/app_context.h"
#include "ui/secondary_screen.h"

namespace numbrava {

// frmAbout: the program's name and version, and the system's information.
class AboutScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    AboutScreen(QWidget* opener, AppContext& context);

    // OS, Qt version and data folder, as the System Info button shows them.
    static QString systemInformation(const QString& dataFolder);

  private:
    AppContext& ctx_;
};

} // namespace numbrava
