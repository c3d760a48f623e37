#pragma once

#include "data/game.h"
#include "ui/secondary_screen.h"

class QListWidget;
class QPushButton;

namespace numbrava {

class DatePicker;
class MainView;

// Form30: a text file of the data folder (or of another one, by Browse or a
// drop) becomes the dated entry file of the selected game for a chosen date.
// Validate checks the file and the date; Import is offered only after that,
// until the file or the date changes.
class TextImportScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    explicit TextImportScreen(MainView& mainWindow);

  signals:
    // On closing: whether an import created the entry file the main screen shows.
    void importClosed(bool importDone);

  protected:
    void onClosing() override;

  private:
    void buildUi();
    void offerValidate();
    void view();
    void validate();
    void import();
    QString chosenPath() const;
    // A file from anywhere (Browse or a drop) is chosen as one of the folder is.
    void takeFile(const QString& path);

    MainView& main_;
    GameCode game_;
    QListWidget* files_ = nullptr;    // File1
    QListWidget* contents_ = nullptr; // List2
    DatePicker* date_ = nullptr;      // DTPicker1
    QPushButton* validate_ = nullptr; // Command2
    QPushButton* import_ = nullptr;   // Command3
    bool importDone_ = false;
};

} // namespace numbrava
