#include "ui/secondary_screen.h"

#include "ui/main_view.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace numbrava {

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
    if (opener_) {
        opener_->setEnabled(false);
        // Over the screen that opened it, as a dialog would stand.
        const QSize own = testAttribute(Qt::WA_Resized) ? size() : sizeHint();
        move(opener_->frameGeometry().center() - QPoint(own.width() / 2, own.height() / 2));
    }
    show();
    raise();
    activateWindow();
}

void SecondaryScreen::closeEvent(QCloseEvent* event) {
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
    QWidget::keyPressEvent(event);
}

void SecondaryScreen::requestHelp(const QString& section) {
    if (auto* screen = qobject_cast<SecondaryScreen*>(opener_.data()))
        screen->requestHelp(section);
    else if (auto* main = dynamic_cast<MainView*>(opener_.data()))
        main->openHelpAt(section);
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
