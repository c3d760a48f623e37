#pragma once

#include "ui/printer_service.h"

#include <QFont>
#include <memory>

class QPrinter;

namespace numbrava {

// The printer service on Qt Print Support: the system's printers as
// QPrinterInfo lists them, a QPrinter for the current one, and each job laid
// out as a plain QTextDocument so that pages break by themselves.
// pageSetting1 is the page orientation, pageSetting2 the paper size id.
class QtPrinterService : public PrinterService {
  public:
    // With a file name every job goes into that PDF file instead of a device;
    // the installed printers are still the system's.
    explicit QtPrinterService(const QString& pdfFile = QString());
    ~QtPrinterService() override;

    QStringList installedPrinters() const override;
    QString currentPrinter() const override;
    bool selectPrinter(const QString& name) override;
    int pageSetting1() const override;
    int pageSetting2() const override;
    void setPageSettings(int setting1, int setting2) override;
    void setFont(const QString& family, int pointSize) override;
    void printLine(const QString& line) override;
    void endDocument() override;

  private:
    void directOutput();

    QString pdfFile_;
    std::unique_ptr<QPrinter> printer_;
    QFont font_;
    QStringList lines_;
};

} // namespace numbrava
