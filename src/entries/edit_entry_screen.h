#pragma once

#include "data/draw_record.h"
#include "ui/secondary_screen.h"

class QPushButton;

namespace numbrava {

class LineBoxes;
class MainView;
struct AppContext;

// editEntry: changes the numbers of one line of the entry shown, in place.
class EditEntryScreen : public SecondaryScreen {
    Q_OBJECT
  public:
    // lineNumber is the line's record number (its list index + 1).
    EditEntryScreen(MainView& main, int lineNumber, const EntryLine& line);

  private:
    void change();

    MainView& main_;
    AppContext& ctx_;
    int editLineNumber_;
    LineBoxes* lineBoxes_ = nullptr;
};

} // namespace numbrava
