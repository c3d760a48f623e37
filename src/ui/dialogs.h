#pragma once

#include <QString>

class QWidget;

namespace numbrava {

// The program's name, the title of every message box unless a screen names another.
inline QString appTitle() {
    return QStringLiteral("Numbrava");
}

// What a file dialog is asked: a file to read, or a name to write under.
struct FileChoice {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString caption;
    QString startPath; // the folder it opens in, with a file name for Save
    QString filter;    // e.g. "Results files (*.csv)"
};

// Message boxes: an OK box, and a Yes/No question where only Yes goes on.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    void message(const QString& text) { showMessage(text, appTitle()); }
    void message(const QString& text, const QString& title) { showMessage(text, title); }
    bool ask(const QString& text) { return askYesNo(text, appTitle(), {}); }
    bool ask(const QString& text, const QString& title) { return askYesNo(text, title, {}); }
    // A question about one thing, named under the question (a file before it goes).
    bool askAbout(const QString& text, const QString& thing) {
        return askYesNo(text, appTitle(), thing);
    }
    // The desktop's file dialog; the path chosen, empty when the user cancels.
    QString chooseFile(const FileChoice& choice) { return askFile(choice); }

  protected:
    virtual QString askFile(const FileChoice& choice) = 0;
    virtual void showMessage(const QString& text, const QString& title) = 0;
    virtual bool askYesNo(const QString& text, const QString& title, const QString& detail) = 0;
};

// Real message boxes over the active window.
class QtDialogs : public Dialogs {
  protected:
    QString askFile(const FileChoice& choice) override;
    void showMessage(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title, const QString& detail) override;
};

} // namespace numbrava
