#include "main/results_list_lines.h"

#include "data/dates.h"
#include "data/number_text.h"

namespace numbrava {

namespace {
constexpr qsizetype kLineLength = 38;

// A three-character column: a blank, then the number with at least two digits.
void appendTwoDigitColumn(QString& out, int value) {
    out += QLatin1Char(' ');
    appendZeroPadded(out, value, 2);
}
} // namespace

QString resultsListLine(GameCode game, const DrawRecord& draw) {
    QString line;
    line.reserve(kLineLength);
    appendZeroPadded(line, draw.position, 5);
    appendTwoDigitColumn(line, draw.month);
    appendTwoDigitColumn(line, draw.day);
    line += QLatin1Char(' ');
    appendZeroPadded(line, draw.year, 1);
    line += QLatin1Char(':');
    for (const std::int16_t ball : draw.balls)
        appendTwoDigitColumn(line, ball);
    line += QLatin1Char(' ');
    line += gameInfo(game).tag;
    appendTwoDigitColumn(line, draw.bonus);
    return line;
}

QStringList resultsListLines(GameCode game, const std::vector<DrawRecord>& draws) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(draws.size()));
    for (const DrawRecord& draw : draws)
        lines.append(resultsListLine(game, draw));
    return lines;
}

QString resultsLineDateText(const QString& line) {
    // Month in characters 7-8, day in 10-11, year in 13-16 (counting from 1).
    bool monthOk = false, dayOk = false, yearOk = false;
    const int month = line.mid(6, 2).trimmed().toInt(&monthOk);
    const QString day = line.mid(9, 2).trimmed();
    const QString year = line.mid(12, 4).trimmed();
    day.toInt(&dayOk);
    year.toInt(&yearOk);
    if (!monthOk || !dayOk || !yearOk || monthAbbrev(month).isEmpty())
        return {};
    return day + QLatin1Char('/') + monthAbbrev(month) + QLatin1Char('/') + year;
}

} // namespace numbrava
