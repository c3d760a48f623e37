#include "ui/secondary_screen.h"

#include "ui/accessibility.h"
#include "ui/main_view.h"
#include "ui/title_width.h"
#include "ui/window_place.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace numbrava {

void centreOver(QWidget* window, const QWidget* opener) {
    const QSize own = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    window->move(opener->frameGeometry().center() - QPoint(own.width() / 2, own.height() / 2));
}

SecondaryScreen::SecondaryScreen(QWidget* opener) : QWidget(nullptr), opener_(opener) {
    // No Qt parent: disabling the opener must not disable this window.
    setAttribute(Qt::WA_DeleteOnClose);
    if (opener)
        setWindowIcon(opener->windowIcon());
}

SecondaryScreen::~SecondaryScreen() {
    releaseOpener();
}

void SecondaryScreen::openScreen() {
    const bool placed = restoreWindowPlace(this);
    // Wide enough for the whole caption: some captions are the only place that
    // names what the screen works on (a game and a date).
    const QSize own = testAttribute(Qt::WA_Resized) ? size() : sizeHint();
    const int captionWidth = titleBarWidth(windowTitle(), font());
    if (own.width() < captionWidth)
        resize(captionWidth, own.height());
    if (opener_)
        opener_->setEnabled(false);
    if (!placed && opener_)
        centreOver(this, opener_);
    keepOnScreen(this);
    show();
    raise();
    activateWindow();
}

void SecondaryScreen::closeEvent(QCloseEvent* event) {
    if (isVisible())
        saveWindowPlace(this);
    if (!released_)
        onClosing();
    releaseOpener();
    event->accept();
}

void SecondaryScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        requestHelp(objectName());
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && defaultButton_ &&
        (event->modifiers() | Qt::KeypadModifier) == Qt::KeypadModifier) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* button = focused && focused->isEnabled() ? focused : defaultButton_.data();
        if (button->isVisible() && button->isEnabled()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void SecondaryScreen::showEvent(QShowEvent* event) {
    prepareForKeyboard(this);
    QWidget::showEvent(event);
}

void SecondaryScreen::requestHelp(const QString& section) {
    if (auto* screen = qobject_cast<SecondaryScreen*>(opener_.data()))
        screen->requestHelp(section);
    else if (auto* main = dynamic_cast<MainView*>(opener_.data()))
        main->openHelpAt(section);
}

void SecondaryScreen::setDefaultButton(QPushButton* button) {
    button->setDefault(true);
    defaultButton_ = button;
}

void SecondaryScreen::releaseOpener() {
    if (released_)
        return;
    released_ = true;
    if (opener_) {
        opener_->setEnabled(true);
        opener_->raise();
        opener_->activateWindow();
    }
    emit closed();
}

} // namespace numbrava
