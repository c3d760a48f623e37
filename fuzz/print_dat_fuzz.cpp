// print.dat: any content reads as a name of at most one record, and a write
// reads back.
#include "fuzz_support.h"
#include "printing/saved_printer_file.h"

#include <QFileInfo>

using namespace numbrava;
using namespace numbrava::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(QStringLiteral("print.dat"), data, size);
    const QString folder = QFileInfo(path).path();
    const QString name = readSavedPrinterName(folder);
    expect(name.size() <= kSavedPrinterRecordSize, "a name within one record");
    const QString chosen = QStringLiteral("Office Printer");
    if (refusedUntouched(path, [&] { writeSavedPrinterName(folder, chosen); }))
        expect(readSavedPrinterName(folder) == chosen, "the stored name reads back");
    return 0;
}
