#pragma once

#include "ui/printer_service.h"

namespace numbrava {

// A machine without printers: nothing is installed and nothing prints.
class NoPrinterService : public PrinterService {
  public:
    QStringList installedPrinters() const override { return {}; }
    QString currentPrinter() const override { return {}; }
    bool selectPrinter(const QString&) override { return false; }
    int pageSetting1() const override { return 0; }
    int pageSetting2() const override { return 0; }
    void setPageSettings(int, int) override {}
    void setFont(const QString&, int) override {}
    void printLine(const QString&) override {}
    void endDocument() override {}
};

} // namespace numbrava
