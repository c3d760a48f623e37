#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;

namespace numbrava {

// Moves a window over the middle of the one that opened it, as a dialog stands.
void centreOver(QWidget* window, const QWidget* opener);

// A screen opened from another one. Opening disables the opener and shows
// this screen as its own top-level window; every way of closing it (its
// buttons, the title bar, Escape) runs the same close code, which enables the
// opener again, brings it to the front and emits closed(). The screen deletes
// itself once closed.
class SecondaryScreen : public QWidget {
    Q_OBJECT
  public:
    explicit SecondaryScreen(QWidget* opener);
    ~SecondaryScreen() override;

    // Disables the opener and shows the screen.
    void openScreen();
    QWidget* opener() const { return opener_; }

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The first showing readies the built screen for the keyboard and screen readers.
    void showEvent(QShowEvent* event) override;
    // F1: the help at this screen's section, asked of the main screen at the
    // start of the chain of openers.
    void requestHelp(const QString& section);
    // Runs once, before the opener is enabled again.
    virtual void onClosing() {}
    // Enter presses this button (a focused push button presses itself), as
    // in a dialog; a plain window has no default button of its own.
    void setDefaultButton(QPushButton* button);

  private:
    void releaseOpener();

    QPointer<QWidget> opener_;
    QPointer<QPushButton> defaultButton_;
    bool released_ = false;
};

} // namespace numbrava
