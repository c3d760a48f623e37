#pragma once

#include <QString>

class QWidget;

namespace numbrava {

// The program's name, the title of every message box unless a screen names another.
inline QString appTitle() {
    return QStringLiteral("Numbrava");
}

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
    // The desktop's dialog for a file to open; empty when the user cancels.
    QString chooseFileToOpen(const QString& caption, const QString& filter) {
        return askFileToOpen(caption, filter);
    }

  protected:
    virtual QString askFileToOpen(const QString& caption, const QString& filter) = 0;
    virtual void showMessage(const QString& text, const QString& title) = 0;
    virtual bool askYesNo(const QString& text, const QString& title, const QString& detail) = 0;
};

// Real message boxes over the active window.
class QtDialogs : public Dialogs {
  protected:
    QString askFileToOpen(const QString& caption, const QString& filter) override;
    void showMessage(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title, const QString& detail) override;
};

} // namespace numbrava
