#include "download/downloaded_history.h"

#include "data/dates.h"
#include "data/file_error.h"
#include "data/record_file.h"

#include <QDate>
#include <QFileInfo>

namespace numbrava {

namespace {
bool ballsInRange(const DrawRecord& draw, int mainMax, int bonusMax) {
    for (std::int16_t ball : draw.balls)
        if (ball < 1 || ball > mainMax)
            return false;
    return draw.bonus >= 1 && draw.bonus <= bonusMax;
}

// A draw of the game as it stood on the draw's date. Today's games changed
// over the years, so each draw is held to its own date's ranges and draw
// days; the games of 2002-2005 to their one range.
bool isDrawOfItsDate(const DrawRecord& draw, GameCode game) {
    const QDate date(draw.year, draw.month, draw.day);
    if (!date.isValid())
        return false;
    if (!isTodaysGame(game))
        return ballsInRange(draw, gameInfo(game).mainMax, gameInfo(game).bonusMax);
    const GameFormat& format = gameFormat(game, date);
    return !isBeforeFirstDraw(game, date) && isDrawDay(game, date) &&
           ballsInRange(draw, format.mainMax, format.bonusMax);
}
} // namespace

DownloadedHistory inspectDownloadedHistory(const QString& path, GameCode game, const QDate& today) {
    DownloadedHistory found;
    if (!QFileInfo::exists(path))
        return found;
    try {
        RecordFile file(path, kRecordSize, RecordFile::Mode::Read);
        const int count = file.count();
        if (count < 1)
            return found;
        long long previousDate = 0;
        const QDate latestPossible = today.addDays(1);
        for (int i = 1; i <= count; ++i) {
            const DrawRecord draw = DrawRecord::fromBytes(file.read(i));
            if (!isDrawOfItsDate(draw, game) ||
                QDate(draw.year, draw.month, draw.day) > latestPossible ||
                draw.dateNumber() < previousDate)
                return found;
            previousDate = draw.dateNumber();
            found.latest = draw;
        }
        found.count = count;
        found.corrupt = false;
    } catch (const FileError&) {
        // A damaged count or an unreadable file: corrupt as it stands.
    }
    return found;
}

QString replaceQuestion(GameCode game, int localCount, const DownloadedHistory& downloaded) {
    const QString& name = gameInfo(game).name;
    if (localCount > downloaded.count)
        return QStringLiteral("You seem to have more results in your history file for ") + name +
               QStringLiteral(" than the downloaded ones. Do you still want to overwrite your "
                              "current result history with the downloaded result history.");
    const DrawRecord& latest = downloaded.latest;
    return QStringLiteral("Do you want to replace your current results for ") + name +
           QStringLiteral(" with those up to %1/%2/%3")
               .arg(latest.month)
               .arg(latest.day)
               .arg(latest.year);
}

} // namespace numbrava
