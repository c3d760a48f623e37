#include "printing/saved_printer_file.h"

#include "data/file_error.h"
#include "data/file_journal.h"
#include "data/record_file.h"

namespace numbrava {

namespace {
QString savedPrinterPath(const QString& folder) {
    return folder + QStringLiteral("/print.dat");
}

bool isPadding(char c) {
    return c == ' ' || c == '\0';
}
} // namespace

QString readSavedPrinterName(const QString& folder) {
    QByteArray bytes;
    try {
        RecordFile file(savedPrinterPath(folder), kSavedPrinterRecordSize, RecordFile::Mode::Read);
        bytes = file.read(1);
    } catch (const FileError&) {
        return {};
    }
    // Blanks are the padding; a new (empty) file reads as zero bytes, which
    // count as padding too.
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isPadding(bytes[begin]))
        ++begin;
    while (end > begin && isPadding(bytes[end - 1]))
        --end;
    return QString::fromLatin1(bytes.mid(begin, end - begin));
}

void writeSavedPrinterName(const QString& folder, const QString& name) {
    QByteArray bytes = name.toLatin1().left(kSavedPrinterRecordSize);
    bytes.append(QByteArray(kSavedPrinterRecordSize - bytes.size(), ' '));
    nameFileStep(QStringLiteral("Choice of printer ") + name);
    RecordFile file(savedPrinterPath(folder), kSavedPrinterRecordSize, RecordFile::Mode::ReadWrite);
    file.write(1, bytes);
}

} // namespace numbrava
