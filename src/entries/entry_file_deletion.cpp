#include "entries/entry_file_deletion.h"

#include "data/file_error.h"
#include "data/file_journal.h"
#include "data/record_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace numbrava {

namespace {
QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}
} // namespace

QString viewerLine(const EntryLine& line) {
    QString text;
    for (auto n : line.numbers)
        text += twoDigits(n) + QLatin1Char(' ');
    if (line.bonus > 0)
        text += QStringLiteral("B ") + twoDigits(line.bonus);
    return text;
}

QStringList viewEntryFile(const QString& path) {
    // Looking at a file must not create it again after someone removed it.
    if (!QFileInfo(path).isFile())
        throw FileError(
            QStringLiteral("The file %1 no longer exists.").arg(QFileInfo(path).fileName()));
    RecordFile file(path, kRecordSize, RecordFile::Mode::Read);
    file.readWhole();
    QStringList lines;
    // Past the end records read as zeros, so the listing always stops; a huge
    // file is read no further than one line past what an entry file can hold.
    const qint64 last = std::min<qint64>(file.recordsOnDisk() + 1, kMaxRecords + 1);
    for (qint64 k = 1; k <= last; ++k) {
        const EntryRecord r = EntryRecord::fromBytes(file.read(static_cast<int>(k)));
        if (r.line.numbers[0] == 0)
            break;
        lines << viewerLine(r.line);
    }
    return lines;
}

std::optional<QString> entryFileDeletionRefusal(const QString& folder, const QString& chosenName,
                                                const QString& currentEntryFile) {
    if (chosenName.isEmpty())
        return QStringLiteral("You have not selected a file for deletion");
    if (folder + QLatin1Char('/') + chosenName == currentEntryFile)
        return QStringLiteral(
            "You cannot delete this file, you currently have it opened in the main program");
    return std::nullopt;
}

QString entryFileDeletionQuestion() {
    return QStringLiteral("Are you sure you want to delete this lottery selection file?");
}

void deleteEntryFile(const QString& path) {
    noteFileChange(path);
    nameFileStep(QStringLiteral("Delete ") + QFileInfo(path).fileName());
    QFile file(path);
    // The desktop's trash keeps it where the system has one; else it goes.
    if (!file.moveToTrash() && !file.remove())
        throw FileError(QStringLiteral("The file %1 cannot be deleted: %2")
                            .arg(QFileInfo(path).fileName(), file.errorString()));
}

} // namespace numbrava
