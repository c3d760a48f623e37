#include "draw_csv.h"

#include "data/dates.h"

#include <QDate>
#include <QList>

namespace numbrava {

namespace {

const QByteArray kHeader = "date,b1,b2,b3,b4,b5,bonus";

// A whole number made of digits only; -1 for anything else.
int wholeNumber(const QByteArray& field) {
    const QByteArray text = field.trimmed();
    if (text.isEmpty() || text.size() > 4)
        return -1;
    for (char c : text)
        if (c < '0' || c > '9')
            return -1;
    return text.toInt();
}

// Today's games were drawn from their first draw on, on the days of the
// format of each date; the games of 2002-2005 are read as they always were.
QString dateRefusal(GameCode game, const QDate& date) {
    if (!isTodaysGame(game))
        return {};
    if (isBeforeFirstDraw(game, date))
        return QStringLiteral("the date %1 is before the first draw of %2")
            .arg(date.toString(Qt::ISODate), gameInfo(game).name);
    if (!isDrawDay(game, date))
        return QStringLiteral("the date %1 is not a %2 date")
            .arg(date.toString(Qt::ISODate), drawDaysText(game, date));
    return {};
}

// Checks one row; returns the reason it is refused, or an empty string.
QString readRow(const QByteArray& line, const GameInfo& game, const CsvDraw* previous,
                CsvDraw& draw) {
    const QList<QByteArray> fields = line.split(',');
    if (fields.size() != 7)
        return QStringLiteral("expected 7 fields (date and six balls), found %1")
            .arg(fields.size());
    const QDate date = QDate::fromString(QString::fromLatin1(fields[0].trimmed()), Qt::ISODate);
    if (!date.isValid() || fields[0].trimmed().size() != 10)
        return QStringLiteral("the date \"%1\" is not a YYYY-MM-DD date")
            .arg(QString::fromLatin1(fields[0].trimmed()));
    draw.day = date.day();
    draw.month = date.month();
    draw.year = date.year();
    if (const QString problem = dateRefusal(game.code, date); !problem.isEmpty())
        return problem;
    const GameFormat& format = gameFormat(game.code, date);
    for (int i = 0; i < 6; ++i) {
        const int value = wholeNumber(fields[i + 1]);
        const int max = i < 5 ? format.mainMax : format.bonusMax;
        if (value < 1 || value > max)
            return QStringLiteral("ball %1 (\"%2\") is not a number from 1 to %3")
                .arg(i + 1)
                .arg(QString::fromLatin1(fields[i + 1].trimmed()))
                .arg(max);
        if (i < 5)
            draw.balls[i] = static_cast<std::int16_t>(value);
        else
            draw.bonus = static_cast<std::int16_t>(value);
    }
    for (int i = 1; i < 5; ++i)
        if (draw.balls[i] <= draw.balls[i - 1])
            return QStringLiteral("the five main balls are not in ascending order");
    if (previous && QDate(previous->year, previous->month, previous->day) >= date)
        return QStringLiteral("the date %1 is not after the date of the row before")
            .arg(date.toString(Qt::ISODate));
    return QString();
}

} // namespace

CsvDraws readDrawCsv(const QByteArray& text, const GameInfo& game) {
    CsvDraws result;
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines[0].trimmed() != kHeader) {
        result.error =
            QStringLiteral("row 1: the header must read %1").arg(QString::fromLatin1(kHeader));
        return result;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        CsvDraw draw;
        const QString problem =
            readRow(line, game, result.draws.empty() ? nullptr : &result.draws.back(), draw);
        if (!problem.isEmpty()) {
            result.draws.clear();
            result.error = QStringLiteral("row %1: %2").arg(i + 1).arg(problem);
            return result;
        }
        result.draws.push_back(draw);
    }
    return result;
}

} // namespace numbrava
