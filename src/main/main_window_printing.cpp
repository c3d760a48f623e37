// The printer of the run and the two Print buttons.
#include "main/main_window.h"

#include "printing/list_printout.h"
#include "printing/printer_choice.h"
#include "printing/printer_selection_screen.h"

#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

namespace numbrava {

namespace {
// The lines exactly as the list shows them, in list order.
QStringList shownLines(const QListWidget& list) {
    QStringList lines;
    lines.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        lines << list.item(i)->text();
    return lines;
}
} // namespace

QString MainWindow::headingOf(const QGroupBox* frame) const {
    return listHeading(gameOfOptions(), frame->title());
}

void MainWindow::setupPrintingActions() {
    connect(ui_.mnuprinterselect, &QAction::triggered, this, &MainWindow::openPrinterSelection);
    connect(ui_.Command9, &QPushButton::clicked, this,
            [this] { printList(ctx_, shownLines(*ui_.List1), headingOf(ui_.Frame5)); });
    connect(ui_.Command10, &QPushButton::clicked, this,
            [this] { printList(ctx_, shownLines(*ui_.List2), headingOf(ui_.Frame6)); });
}

void MainWindow::selectSavedPrinter() {
    ctx_.state.printerAvailable = numbrava::selectSavedPrinter(ctx_.printer, ctx_.state);
    ui_.Command9->setEnabled(ctx_.state.printerAvailable);
    ui_.Command10->setEnabled(ctx_.state.printerAvailable);
}

void MainWindow::openPrinterSelection() {
    auto* screen = new PrinterSelectionScreen(this, ctx_);
    connect(screen, &PrinterSelectionScreen::printerBecameAvailable, this, [this] {
        ui_.Command9->setEnabled(true);
        ui_.Command10->setEnabled(true);
    });
    openSecondary(screen);
}

} // namespace numbrava
