#include "ui/dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace numbrava {

void QtDialogs::showMessage(const QString& text, const QString& title) {
    // A plain box with an OK button and no icon.
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool QtDialogs::askYesNo(const QString& text, const QString& title) {
    return QMessageBox::question(QApplication::activeWindow(), title, text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

} // namespace numbrava
