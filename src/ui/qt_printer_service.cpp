#include "ui/qt_printer_service.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

namespace numbrava {

QtPrinterService::QtPrinterService(const QString& pdfFile)
    : pdfFile_(pdfFile), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    font_.setStyleHint(QFont::TypeWriter);
    font_.setFixedPitch(true);
    directOutput();
}

QtPrinterService::~QtPrinterService() = default;

void QtPrinterService::directOutput() {
    if (pdfFile_.isEmpty())
        return;
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(pdfFile_);
}

QStringList QtPrinterService::installedPrinters() const {
    return QPrinterInfo::availablePrinterNames();
}

QString QtPrinterService::currentPrinter() const {
    return printer_->printerName();
}

bool QtPrinterService::selectPrinter(const QString& name) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (name.isEmpty() || info.isNull())
        return false;
    // A fresh QPrinter starts from the printer's own defaults (paper, orientation).
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    directOutput();
    return true;
}

int QtPrinterService::pageSetting1() const {
    return static_cast<int>(printer_->pageLayout().orientation());
}

int QtPrinterService::pageSetting2() const {
    return static_cast<int>(printer_->pageLayout().pageSize().id());
}

void QtPrinterService::setPageSettings(int setting1, int setting2) {
    // Values that mean nothing to Qt leave the printer as it is.
    if (setting1 == QPageLayout::Portrait || setting1 == QPageLayout::Landscape)
        printer_->setPageOrientation(static_cast<QPageLayout::Orientation>(setting1));
    if (setting2 >= 0 && setting2 <= QPageSize::LastPageSize && setting2 != QPageSize::Custom) {
        const QPageSize size(static_cast<QPageSize::PageSizeId>(setting2));
        if (size.isValid())
            printer_->setPageSize(size);
    }
}

void QtPrinterService::setFont(const QString& family, int pointSize) {
    font_.setFamily(family);
    if (pointSize > 0)
        font_.setPointSize(pointSize);
}

void QtPrinterService::printLine(const QString& line) {
    lines_ << line;
}

void QtPrinterService::endDocument() {
    const QStringList lines = std::exchange(lines_, {});
    if (!printer_->isValid())
        return;
    QTextDocument document;
    // Laid out on the printer's own page: a document without a page size
    // would get margins of its own and page numbers at the foot.
    document.documentLayout()->setPaintDevice(printer_.get());
    document.setPageSize(printer_->pageRect(QPrinter::DevicePixel).size());
    document.setDefaultFont(font_);
    document.setPlainText(lines.join(QLatin1Char('\n')));
    // A printer that refuses the job leaves it unprinted; the program goes on.
    document.print(printer_.get());
}

} // namespace numbrava
