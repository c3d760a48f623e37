#include "results/results_export.h"

#include "data/draw_history_file.h"
#include "data/safe_file.h"

#include <QString>
#include <algorithm>

namespace numbrava {

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
    writeFileAtomically(csvPath, resultsCsvText(DrawHistoryFile::readAllDraws(historyPath)));
}

} // namespace numbrava
