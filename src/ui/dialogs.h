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
    bool ask(const QString& text) { return askYesNo(text, appTitle()); }
    bool ask(const QString& text, const QString& title) { return askYesNo(text, title); }

  protected:
    virtual void showMessage(const QString& text, const QString& title) = 0;
    virtual bool askYesNo(const QString& text, const QString& title) = 0;
};

// Real message boxes over the active window.
class QtDialogs : public Dialogs {
  protected:
    void showMessage(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title) override;
};

} // namespace numbrava
