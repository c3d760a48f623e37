#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace numbrava {

// What a file dialog is asked: a file to read, or a name to write under.
struct FileChoice {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString caption;
    QString startPath; // the folder it opens in, with a file name for Save
    QString filter;    // e.g. "Results files (*.csv)"
};

// Shows the desktop's file dialog; the path chosen, or an empty text when
// the user cancels.
QString chooseFile(QWidget* parent, const FileChoice& choice);

// Answers every file dialog in place of the desktop's, as the tests do; an
// empty hook brings the desktop's dialogs back.
using FileChooserHook = std::function<QString(const FileChoice&)>;
void setFileChooserHook(FileChooserHook hook);

} // namespace numbrava
