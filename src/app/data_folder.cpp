#include "app/data_folder.h"

#include "data/file_error.h"
#include "data/game.h"
#include "data/regular_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace numbrava {

namespace {
bool isShippedFile(const QString& relative) {
    const QString name = QFileInfo(relative).fileName();
    if (relative.startsWith(QStringLiteral("wheels/")))
        return name.endsWith(QStringLiteral(".whl"), Qt::CaseInsensitive);
    if (name == QStringLiteral("NUMBRAVA.HLP") || name == QStringLiteral("tada.wav"))
        return true;
    const auto& games = allGames();
    return std::any_of(games.begin(), games.end(),
                       [&](GameCode game) { return name == gameInfo(game).historyFile; });
}

bool folderIsWritable(const QString& folder) {
    QFile probe(folder + QStringLiteral("/.numbrava-write-test"));
    // Made afresh: a link left in its place is removed, never written through.
    probe.remove();
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}
} // namespace

QString shippedFolderFor(const QString& programFolder) {
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../share/numbrava"));
    return QFileInfo(installed).isDir() ? installed : programFolder;
}

QString installFolderFor(const QString& folder) {
    QString cleaned = QDir::cleanPath(QDir(folder).absolutePath());
    while (cleaned.endsWith(QLatin1Char('/')))
        cleaned.chop(1);
    return cleaned;
}

QStringList copyShippedFiles(const QString& programFolder, const QString& dataFolder) {
    QStringList failed;
    if (QDir(programFolder).canonicalPath() == QDir(dataFolder).canonicalPath())
        return failed;
    QDirIterator it(programFolder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(programFolder).relativeFilePath(source);
        if (!isShippedFile(relative) || !isRegularFile(source))
            continue;
        const QString target = dataFolder + QLatin1Char('/') + relative;
        if (QFile::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target))
            failed << relative;
        else
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    return failed;
}

QString chooseDataFolder(const QString& requested, const QString& programFolder,
                         const QString& perUserFolder) {
    const QString shipped = shippedFolderFor(programFolder);
    QString folder;
    if (!requested.isEmpty())
        folder = QDir(requested).absolutePath();
    else if (shipped == programFolder && folderIsWritable(programFolder))
        return programFolder;
    else
        folder = perUserFolder;
    // Refused at once rather than at the first write, with the data unsaved.
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        throw FileError(QStringLiteral("The data folder %1 is not a folder.").arg(folder));
    if (!QDir().mkpath(folder))
        throw FileError(QStringLiteral("The data folder %1 cannot be created.").arg(folder));
    if (!folderIsWritable(folder))
        throw FileError(QStringLiteral("The data folder %1 cannot be written to.").arg(folder));
    copyShippedFiles(shipped, folder);
    return folder;
}

} // namespace numbrava
