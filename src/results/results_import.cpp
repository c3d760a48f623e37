#include "results/results_import.h"

#include "data/dates.h"
#include "data/draw_history_file.h"
#include "data/file_journal.h"
#include "data/record_file.h"
#include "data/regular_file.h"
#include "data/safe_file.h"

#include <QFileInfo>
#include <algorithm>
#include <unordered_map>

namespace numbrava {

namespace {

// The first draw of a date: stored (line 0) or read from a line of the file.
struct FirstOfDate {
    DrawRecord draw;
    int line = 0;
};

bool sameDraw(const DrawRecord& a, const DrawRecord& b) {
    auto sorted = [](std::array<std::int16_t, 5> balls) {
        std::sort(balls.begin(), balls.end());
        return balls;
    };
    return sorted(a.balls) == sorted(b.balls) && a.bonus == b.bonus;
}

QString drawText(const DrawRecord& draw, GameCode game) {
    QStringList numbers;
    for (std::int16_t n : draw.balls)
        numbers << QString::number(n);
    return QStringLiteral("%1, %2 %3")
        .arg(numbers.join(QLatin1Char(' ')), gameInfo(game).bonusName)
        .arg(draw.bonus);
}

QString dateText(const DrawRecord& draw) {
    return QDate(draw.year, draw.month, draw.day).toString(Qt::ISODate);
}

QString conflictReason(const ReadDraw& row, const FirstOfDate& first, GameCode game) {
    const QString where = first.line == 0 ? QStringLiteral("the history holds")
                                          : QStringLiteral("line %1 reads").arg(first.line);
    return QStringLiteral("%1 reads %2, but %3 %4 for that date")
        .arg(dateText(row.draw), drawText(row.draw, game), where, drawText(first.draw, game));
}

} // namespace

ImportPreview previewImport(const QByteArray& csv, GameCode game,
                            const std::vector<DrawRecord>& stored) {
    ImportPreview preview;
    ResultsCsv read = readResultsCsv(csv, game);
    preview.refusal = read.headerRefusal;
    preview.rowsRead = read.rowsRead;
    preview.refused = std::move(read.refused);

    std::unordered_map<long long, FirstOfDate> firstOfDate;
    for (const DrawRecord& draw : stored)
        firstOfDate.try_emplace(draw.dateNumber(), FirstOfDate{draw, 0});
    for (const ReadDraw& row : read.draws) {
        const auto [at, isNew] =
            firstOfDate.try_emplace(row.draw.dateNumber(), FirstOfDate{row.draw, row.line});
        if (isNew)
            preview.newDraws.push_back(row.draw);
        else if (sameDraw(row.draw, at->second.draw))
            ++preview.identical;
        else
            preview.conflicting.push_back({row.line, conflictReason(row, at->second, game)});
    }
    std::stable_sort(
        preview.newDraws.begin(), preview.newDraws.end(),
        [](const DrawRecord& a, const DrawRecord& b) { return a.dateNumber() < b.dateNumber(); });

    const qsizetype total = static_cast<qsizetype>(stored.size() + preview.newDraws.size());
    if (preview.refusal.isEmpty() && total > kMaxRecords)
        preview.refusal =
            QStringLiteral("The history of %1 holds %2 draws; with the %3 new draws of this file "
                           "it would hold %4, more than the %5 it can hold. Nothing was imported.")
                .arg(gameInfo(game).name)
                .arg(stored.size())
                .arg(preview.newDraws.size())
                .arg(total)
                .arg(kMaxRecords);
    return preview;
}

ImportPreview previewResultsFile(const QString& csvPath, const QString& historyPath,
                                 GameCode game) {
    const QByteArray csv = readRegularFile(csvPath);
    return previewImport(csv, game, DrawHistoryFile::readAllDraws(historyPath));
}

void storeNewDraws(const QString& historyPath, const ImportPreview& preview) {
    if (!preview.refusal.isEmpty() || preview.newDraws.empty())
        return;
    nameFileStep(QStringLiteral("Import of %1 draws into %2")
                     .arg(preview.newDraws.size())
                     .arg(QFileInfo(historyPath).fileName()));
    DrawHistoryFile::insertDraws(historyPath, preview.newDraws);
}

} // namespace numbrava
