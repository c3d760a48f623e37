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
    virtual void setFont(const QString& family, int pointSize) = 0;
    virtual void printLine(const QString& line) = 0;
    // Ends the document so that it is printed.
    virtual void endDocument() = 0;
};

} // namespace numbrava
