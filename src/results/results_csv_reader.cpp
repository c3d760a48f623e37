#include "results/results_csv_reader.h"

#include "data/dates.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace numbrava {

namespace {

enum class Shape { Plain, OpenData, Pipe };

// Where a shape keeps what a row needs.
struct Layout {
    Shape shape = Shape::Plain;
    int columns = 0;      // fields a row needs at least
    int bonusColumn = -1; // open data: the bonus's own column; -1: the last winning number
};

// A row cut into its texts: the date, five main numbers and the bonus.
struct RowTexts {
    QString date;
    QStringList mains;
    QString bonus;
};

const QStringList kPlainHeader = {
    QStringLiteral("date"), QStringLiteral("b1"), QStringLiteral("b2"),   QStringLiteral("b3"),
    QStringLiteral("b4"),   QStringLiteral("b5"), QStringLiteral("bonus")};

// Fields of one line, commas inside double quotes kept ("" is a quote),
// each without surrounding blanks.
QStringList splitFields(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('"')) {
            if (quoted && i + 1 < line.size() && line[i + 1] == QLatin1Char('"'))
                field += line[++i];
            else
                quoted = !quoted;
        } else if (c == QLatin1Char(',') && !quoted) {
            fields << field.trimmed();
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field.trimmed();
    return fields;
}

bool recogniseHeader(const QString& line, GameCode game, Layout& layout) {
    const QStringList names = splitFields(line.toLower());
    if (names.size() >= kPlainHeader.size() && names.mid(0, kPlainHeader.size()) == kPlainHeader) {
        layout = {Shape::Plain, static_cast<int>(kPlainHeader.size()), -1};
        return true;
    }
    if (names.size() >= 2 && names[0] == QLatin1String("draw date") &&
        names[1] == QLatin1String("winning numbers")) {
        const QString bonusName = gameInfo(game).bonusName.toLower();
        layout = {Shape::OpenData, 2, -1};
        for (int i = 2; i < names.size() && layout.bonusColumn < 0; ++i)
            if (names[i].contains(bonusName))
                layout = {Shape::OpenData, i + 1, i};
        return true;
    }
    if (names.size() >= 3 && names[0] == QLatin1String("date") &&
        names[1] == QLatin1String("white_balls")) {
        layout = {Shape::Pipe, 3, -1};
        return true;
    }
    return false;
}

QString missingFields(int expected, qsizetype found) {
    return QStringLiteral("missing fields: %1 expected, %2 found").arg(expected).arg(found);
}

// Cuts a row into its texts; the reason when fields are missing.
QString cutRow(const QStringList& fields, const Layout& layout, RowTexts& row) {
    if (fields.size() < layout.columns)
        return missingFields(layout.columns, fields.size());
    row.date = fields[0];
    switch (layout.shape) {
    case Shape::Plain:
        row.mains = fields.mid(1, 5);
        row.bonus = fields[6];
        return {};
    case Shape::Pipe:
        row.mains = fields[1].split(QLatin1Char('|'));
        for (QString& text : row.mains)
            text = text.trimmed();
        row.bonus = fields[2];
        break;
    case Shape::OpenData: {
        row.mains = fields[1].simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (layout.bonusColumn >= 0) {
            row.bonus = fields[layout.bonusColumn];
        } else if (row.mains.size() == 6) {
            row.bonus = row.mains.takeLast();
        } else {
            return QStringLiteral("missing fields: the winning numbers hold %1 numbers where 6 "
                                  "are expected")
                .arg(row.mains.size());
        }
        break;
    }
    }
    if (row.mains.size() != 5)
        return QStringLiteral("missing fields: %1 main numbers where 5 are expected")
            .arg(row.mains.size());
    return {};
}

// "2015-10-07" (plain shape) or "10/7/2015" (the others; a time after the
// date is left aside); the reason when it is no date.
QString readDate(const QString& text, Shape shape, QDate& date) {
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression us(QStringLiteral(
        "^(\\d{1,2})/(\\d{1,2})/(\\d{4})(\\s+\\d{1,2}:\\d{2}(:\\d{2})?(\\s*[AaPp][Mm])?)?$"));
    const bool isIso = shape == Shape::Plain;
    const QRegularExpressionMatch m = (isIso ? iso : us).match(text);
    if (!m.hasMatch())
        return QStringLiteral("\"%1\" is not a date (%2)")
            .arg(text, isIso ? QStringLiteral("YYYY-MM-DD") : QStringLiteral("MM/DD/YYYY"));
    const int year = m.captured(isIso ? 1 : 3).toInt();
    const int month = m.captured(isIso ? 2 : 1).toInt();
    const int day = m.captured(isIso ? 3 : 2).toInt();
    date = QDate(year, month, day);
    if (!date.isValid())
        return QStringLiteral("the date %1 does not exist").arg(text);
    return {};
}

QString isoDate(const QDate& date) {
    return date.toString(Qt::ISODate);
}

// Whether the date may hold a draw of the game; the reason when not.
QString checkDrawDate(GameCode game, const QDate& date) {
    const GameInfo& info = gameInfo(game);
    if (isBeforeFirstDraw(game, date))
        return QStringLiteral("%1 is before the first draw of %2 (%3)")
            .arg(isoDate(date), info.name, isoDate(info.firstDraw));
    if (!isDrawDay(game, date))
        return QStringLiteral("%1 is a %2, not a draw day of %3 (%4)")
            .arg(isoDate(date), QLocale::c().dayName(date.dayOfWeek()), info.name,
                 drawDaysText(game, date));
    return {};
}

// A number from 1 to max, the range on the date; the reason when the text is none.
QString readNumber(const QString& text, int max, const QString& what, const QDate& date,
                   std::int16_t& number) {
    if (text.isEmpty())
        return QStringLiteral("missing fields: the %1 is empty").arg(what);
    if (!std::all_of(text.begin(), text.end(),
                     [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }) ||
        text.size() > 9)
        return QStringLiteral("the %1 \"%2\" is not a number from 1 to %3")
            .arg(what, text)
            .arg(max);
    const int value = text.toInt();
    if (value < 1 || value > max)
        return QStringLiteral("the %1 %2 is outside 1 to %3, its range on %4")
            .arg(what)
            .arg(value)
            .arg(max)
            .arg(isoDate(date));
    number = static_cast<std::int16_t>(value);
    return {};
}

QString readNumbers(const RowTexts& row, GameCode game, const QDate& date, DrawRecord& draw) {
    const GameFormat& format = gameFormat(game, date);
    for (int i = 0; i < 5; ++i) {
        const auto at = static_cast<size_t>(i);
        const QString problem = readNumber(row.mains[i], format.mainMax, QStringLiteral("number"),
                                           date, draw.balls[at]);
        if (!problem.isEmpty())
            return problem;
        if (std::find(draw.balls.begin(), draw.balls.begin() + i, draw.balls[at]) !=
            draw.balls.begin() + i)
            return QStringLiteral("the number %1 is repeated").arg(draw.balls[at]);
    }
    std::sort(draw.balls.begin(), draw.balls.end());
    return readNumber(row.bonus, format.bonusMax, gameInfo(game).bonusName, date, draw.bonus);
}

// One data row: the draw it holds, or the first reason it is refused.
QString readRow(const QString& line, const Layout& layout, GameCode game, DrawRecord& draw) {
    RowTexts row;
    QString problem = cutRow(splitFields(line), layout, row);
    QDate date;
    if (problem.isEmpty())
        problem = readDate(row.date, layout.shape, date);
    if (problem.isEmpty())
        problem = checkDrawDate(game, date);
    if (problem.isEmpty())
        problem = readNumbers(row, game, date, draw);
    draw.day = static_cast<std::int16_t>(date.day());
    draw.month = static_cast<std::int16_t>(date.month());
    draw.year = static_cast<std::int16_t>(date.year());
    return problem;
}

} // namespace

QString acceptedResultsHeaders() {
    return QStringLiteral("\"date,b1,b2,b3,b4,b5,bonus\" (dates as YYYY-MM-DD), "
                          "\"Draw Date,Winning Numbers,...\" (dates as MM/DD/YYYY) and "
                          "\"date,white_balls,<bonus>,...\" (dates as MM/DD/YYYY)");
}

ResultsCsv readResultsCsv(const QByteArray& bytes, GameCode game) {
    ResultsCsv result;
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    Layout layout;
    int line = 0;
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QString lineText = QString::fromUtf8(text.sliced(start, end - start)).trimmed();
        start = end + 1;
        if (++line == 1) {
            if (!recogniseHeader(lineText, game, layout)) {
                result.headerRefusal =
                    QStringLiteral("The first line is not a header this program reads. The "
                                   "accepted headers are %1.")
                        .arg(acceptedResultsHeaders());
                return result;
            }
            continue;
        }
        if (lineText.isEmpty())
            continue;
        ++result.rowsRead;
        DrawRecord draw;
        const QString problem = readRow(lineText, layout, game, draw);
        if (problem.isEmpty())
            result.draws.push_back({line, draw});
        else
            result.refused.push_back({line, problem});
    }
    return result;
}

} // namespace numbrava
