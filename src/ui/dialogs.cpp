#include "ui/dialogs.h"

#include "ui/title_width.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace numbrava {

namespace {
// A box sizes itself to its text, and a short text would cut the title
// ("Nu…va"): a spacer across the box keeps it as wide as the title needs.
QMessageBox::StandardButton run(QMessageBox& box) {
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleBarWidth(box.windowTitle(), box.font()), 0,
                                      QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

QString QtDialogs::askFile(const FileChoice& choice) {
    QWidget* parent = QApplication::activeWindow();
    if (choice.kind == FileChoice::Kind::Save)
        return QFileDialog::getSaveFileName(parent, choice.caption, choice.startPath,
                                            choice.filter);
    return QFileDialog::getOpenFileName(parent, choice.caption, choice.startPath, choice.filter);
}

void QtDialogs::showMessage(const QString& text, const QString& title) {
    // A plain box with an OK button and no icon.
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    run(box);
}

bool QtDialogs::askYesNo(const QString& text, const QString& title, const QString& detail) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setInformativeText(detail);
    box.setDefaultButton(QMessageBox::No);
    return run(box) == QMessageBox::Yes;
}

} // namespace numbrava
