#include "entries/standing_entry.h"

#include "data/file_journal.h"
#include "data/safe_file.h"
#include "entries/entry_file_copy.h"

#include <QFileInfo>

namespace numbrava {

QString standingEntryPath(const QString& folder, GameCode game) {
    return folder + QLatin1Char('/') + gameInfo(game).standingFile;
}

void saveStandingEntry(const QString& entryFile, const QString& standingPath) {
    nameFileStep(QStringLiteral("Save standing entry ") + QFileInfo(standingPath).fileName());
    writeFileAtomically(standingPath, readEntryFileBytes(entryFile));
}

} // namespace numbrava
