#include "download/download_files.h"

#include "data/draw_history_file.h"
#include "data/file_error.h"
#include "data/file_journal.h"
#include "data/regular_file.h"
#include "data/safe_file.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace numbrava {

namespace {
std::filesystem::path nativePath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

QString resultsFileUrl(const QString& resultsServer, GameCode game) {
    return resultsServer + QStringLiteral("dwnld/") + gameInfo(game).historyFile;
}

int localDrawCount(const QString& historyPath) {
    if (!QFileInfo::exists(historyPath))
        return 0;
    try {
        return DrawHistoryFile::countDraws(historyPath);
    } catch (const FileError&) {
        return 0;
    }
}

QString downloadedFilePath(const QString& folder, GameCode game) {
    return historyFilePath(folder, game) + QStringLiteral(".download");
}

QString backupFilePath(const QString& folder) {
    return folder + QStringLiteral("/temp.rtl");
}

void backUpHistory(const QString& folder, GameCode game) {
    const QString backup = backupFilePath(folder);
    removeWorkingFile(backup);
    removeWorkingFile(downloadedFilePath(folder, game));
    const QString history = historyFilePath(folder, game);
    if (!QFileInfo::exists(history))
        return;
    writeFileAtomically(backup, readRegularFile(history));
}

void settleDownload(const QString& folder, GameCode game, bool keep) {
    const QString downloaded = downloadedFilePath(folder, game);
    // A failed clean-up must not hide the outcome: the leftovers are cleared
    // at the next download.
    auto cleanUp = [&] {
        QFile::remove(downloaded);
        QFile::remove(backupFilePath(folder));
    };
    if (keep) {
        // The rename replaces the history in one step: it is either the old
        // file or the new one, never a mixture, even if the program stops.
        noteFileChange(historyFilePath(folder, game));
        nameFileStep(QStringLiteral("Download of ") + gameInfo(game).historyFile);
        std::error_code error;
        std::filesystem::rename(nativePath(downloaded), nativePath(historyFilePath(folder, game)),
                                error);
        if (error) {
            cleanUp();
            throw FileError(
                QStringLiteral("The file %1 cannot be replaced: %2")
                    .arg(gameInfo(game).historyFile, QString::fromStdString(error.message())));
        }
    }
    cleanUp();
}

} // namespace numbrava
