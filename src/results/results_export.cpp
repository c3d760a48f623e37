#include "results/results_export.h"

#include "data/draw_history_file.h"
#include "data/file_error.h"
#include "data/safe_file.h"

#include <QFileInfo>
#include <QString>
#include <algorithm>

namespace numbrava {

namespace {
// Whether two paths name one file, through links too when it exists.
bool isSameFile(const QString& a, const QString& b) {
    const QFileInfo first(a), second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}
} // namespace

QByteArray resultsCsvText(std::vector<DrawRecord> draws) {
    std::stable_sort(draws.begin(), draws.end(), [](const DrawRecord& a, const DrawRecord& b) {
        return a.dateNumber() < b.dateNumber();
    });
    QByteArray text("date,b1,b2,b3,b4,b5,bonus\n");
    text.reserve(text.size() + static_cast<qsizetype>(draws.size()) * 32);
    for (const DrawRecord& draw : draws) {
        text += QString::asprintf("%04d-%02d-%02d", draw.year, draw.month, draw.day).toLatin1();
        for (std::int16_t n : draw.balls)
            text += ',' + QByteArray::number(n);
        text += ',' + QByteArray::number(draw.bonus) + '\n';
    }
    return text;
}

void exportResults(const QString& historyPath, const QString& csvPath) {
    // Saving under the name of a history would replace its draws with text.
    const QString folder = QFileInfo(historyPath).absolutePath();
    for (GameCode game : allGames())
        if (isSameFile(csvPath, historyFilePath(folder, game)))
            throw FileError(QStringLiteral("The file %1 holds the draws of %2 and is left as it "
                                           "is. Export the results under another name.")
                                .arg(QFileInfo(csvPath).fileName(), gameInfo(game).name));
    writeFileAtomically(csvPath, resultsCsvText(DrawHistoryFile::readAllDraws(historyPath)));
}

} // namespace numbrava
