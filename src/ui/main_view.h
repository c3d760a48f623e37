#pragma once

#include "data/draw_record.h"
#include "data/game.h"
#include "ui/app_context.h"
#include "ui/form1_controls.h"

class QWidget;

namespace numbrava {

class FileError;

// What the other screens may ask of the main screen. The feature screens
// depend on this and not on the main window itself, so the main window can
// open them without the folders depending on each other in a circle.
class MainView {
  public:
    virtual ~MainView() = default;

    virtual AppContext& context() = 0;
    // The window itself, as the opener of secondary screens.
    virtual QWidget* asWidget() = 0;
    virtual Form1Controls& controls() = 0;

    // The game of the option buttons.
    virtual GameCode gameOfOptions() const = 0;

    // Ball display of the draw shown.
    virtual void showDrawBall(int slot, int number) = 0;
    virtual void hideDrawBalls() = 0;
    virtual bool isDrawShown() const = 0;
    virtual void resetMainScreen() = 0;

    // Looks up the draw of the result date and shows it.
    virtual void lookUpDraw() = 0;
    // Makes the dated entry file of the entries date current and lists it.
    virtual void loadDatedEntryFile() = 0;
    // Lists the lines of a file that has been made current.
    virtual void listEntryFile(const QString& path) = 0;
    virtual void addEntryLine(const EntryLine& line) = 0;
    virtual void clearWinningLines() = 0;
    // Lists a standing or wheel entry file in place of the dated entries: the
    // file being left is dropped when it holds no lines, and "Dated Entry"
    // shows. The caller has checked that the file exists.
    virtual void showFixedEntryFile(const QString& path, bool hideEntriesDate) = 0;
    // "Dated Entry": back from a standing or wheel entry to the entries date.
    virtual void showDatedEntries() = 0;

    // Opens the help at the section of a screen (its object name); the top when empty.
    virtual void openHelpAt(const QString& section) = 0;

    // Shows a file problem once; the same problem again right after is not repeated.
    virtual void reportFileError(const FileError& error) = 0;
};

} // namespace numbrava
