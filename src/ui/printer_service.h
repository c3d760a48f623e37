#pragma once

#include <QString>
#include <QStringList>

namespace numbrava {

// The installed printers, the current one, and printing text lines that
// break into pages by themselves.
class PrinterService {
  public:
    virtual ~PrinterService() = default;
    virtual QStringList installedPrinters() const = 0;
    virtual QString currentPrinter() const = 0;
    // False when no printer of that name is installed.
    virtual bool selectPrinter(const QString& name) = 0;
    // Two of the current printer's own integer page settings (for example
    // orientation and paper size), read when a printer is chosen and set back
    // before every job.
    virtual int pageSetting1() const = 0;
    virtual int pageSetting2() const = 0;
    virtual void setPageSettings(int setting1, int setting2) = 0;
    virtual void setFont(const QString& family, int pointSize) = 0;
    virtual void printLine(const QString& line) = 0;
    // Ends the document so that it is printed.
    virtual void endDocument() = 0;
};

} // namespace numbrava
