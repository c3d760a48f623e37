#include "printing/printer_selection_screen.h"

#include "printing/printer_choice.h"
#include "printing/saved_printer_file.h"
#include "ui/file_guard.h"
#include "ui/screen_parts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

namespace numbrava {

PrinterSelectionScreen::PrinterSelectionScreen(QWidget* opener, AppContext& context)
    : SecondaryScreen(opener), ctx_(context) {
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Printer Selection"));
    buildUi();
    loadPrinters();
}

void PrinterSelectionScreen::buildUi() {
    Frame1 = new QGroupBox(QStringLiteral("Select Printer"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Combo1 = new QComboBox;
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setPlaceholderText(QStringLiteral("No Printer Available"));
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Combo1->setMinimumContentsLength(30);
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Combo1);

    Command1 = new QPushButton(QStringLiteral("Close"));
    Command1->setObjectName(QStringLiteral("Command1"));
    setDefaultButton(Command1);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = buttonRow({Command1});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addStretch();
    layout->addLayout(buttons);
    setTabOrder(Combo1, Command1);
    Combo1->setFocus();
}

void PrinterSelectionScreen::loadPrinters() {
    const QString saved = readSavedPrinterName(ctx_.state.installFolder);
    try {
        const QStringList printers = ctx_.printer.installedPrinters();
        Combo1->addItems(printers);
        if (!printers.isEmpty()) {
            const qsizetype found = saved.isEmpty() ? -1 : printers.indexOf(saved);
            Combo1->setCurrentIndex(found >= 0 ? static_cast<int>(found) : 0);
            return;
        }
    } catch (const std::exception&) {
        Combo1->clear();
    }
    Combo1->addItem(QStringLiteral("No Printers Installed"));
    Combo1->setCurrentIndex(Combo1->count() - 1);
}

void PrinterSelectionScreen::onClosing() {
    const QString shown = Combo1->currentText();
    try {
        if (shown.isEmpty() || !ctx_.printer.installedPrinters().contains(shown))
            return;
        if (!makeCurrentPrinter(ctx_.printer, ctx_.state, shown))
            return;
    } catch (const std::exception&) {
        // The printer system failed: the choice is neither made nor saved.
        return;
    }
    guardFileOperation(ctx_.dialogs,
                       [&] { writeSavedPrinterName(ctx_.state.installFolder, shown); });
    // The printer is current for this run even when print.dat refused the name.
    if (!ctx_.state.printerAvailable) {
        ctx_.state.printerAvailable = true;
        emit printerBecameAvailable();
    }
}

} // namespace numbrava
