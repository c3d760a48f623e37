#pragma once

#include <QString>

namespace numbrava {

// print.dat: one 255-byte record holding the device name of the chosen
// printer as single-byte text, filled up with blanks.
constexpr int kSavedPrinterRecordSize = 255;

// The saved name without its surrounding blanks. A missing file is created
// empty and reads as an empty name, which matches no printer; so does a file
// that cannot be read.
QString readSavedPrinterName(const QString& folder);

// Writes the name into record 1. Throws FileError when the file cannot be written.
void writeSavedPrinterName(const QString& folder, const QString& name);

} // namespace numbrava
