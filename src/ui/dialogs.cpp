#include "ui/dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace numbrava {

void QtDialogs::showMessage(const QString& text, const QString& title) {
    QMessageBox::information(QApplication::activeWindow(), title, text, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const QString& text, const QString& title) {
    return QMessageBox::question(QApplication::activeWindow(), title, text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

} // namespace numbrava
