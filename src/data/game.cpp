#include "data/game.h"

#include <QLocale>

namespace numbrava {

namespace {

const GameInfo kPowerball{
    Powerball,
    QStringLiteral("Powerball"),
    53,
    42,
    QStringLiteral("Powerball"),
    QStringLiteral("pbk.rtl"),
    QStringLiteral("PwrB"),
    QStringLiteral("StandPB.lot"),
    QStringLiteral("Defaults.rtl"),
    QStringLiteral("USRES.rtl"),
    QStringLiteral("PB"),
    QStringLiteral("My Enties For Powerball"),
    QStringLiteral("Draw Date for Powerball"),
    QStringLiteral("Winning Lines for Powerball"),
    QStringLiteral("Draw Results for Powerball"),
    1,
    2,
    -1,
    {},
    {{{}, 53, 42, {4, 7}}},
    QStringLiteral("You must select a Saturday or Wednesday date"),
    73,
    191,
    10,
    QStringLiteral("Defaults for P/B"),
};

const GameInfo kMegaMillions{
    MegaMillions,
    QStringLiteral("Mega Millions"),
    52,
    52,
    QStringLiteral("Mega Ball"),
    QStringLiteral("million.rtl"),
    QStringLiteral("Mega"),
    QStringLiteral("StandMM.lot"),
    QStringLiteral("MMDefaults.rtl"),
    QStringLiteral("USMMRES.rtl"),
    QStringLiteral("MB"),
    QStringLiteral("My Enties for Mega Millions"),
    QStringLiteral("Draw Date for Mega Millions"),
    QStringLiteral("Winning Lines for Mega Millions"),
    QStringLiteral("Draw Results for Mega Millions"),
    3,
    1,
    0,
    {},
    {{{}, 52, 52, {3, 6}}},
    QStringLiteral("You must select a Friday or Tuesday date"),
    75,
    195,
    10,
    QStringLiteral("Defaults for M/M"),
};

// Powerball since 7 October 2015; Monday draws from 23 August 2021.
const GameInfo kPowerball69{
    Powerball69,
    QStringLiteral("Powerball 5/69"),
    69,
    26,
    QStringLiteral("Powerball"),
    QStringLiteral("pbk69.rtl"),
    QStringLiteral("PB69"),
    QStringLiteral("StandPB69.lot"),
    QStringLiteral("PB69Defaults.rtl"),
    QStringLiteral("PB69RES.rtl"),
    QStringLiteral("PB"),
    QStringLiteral("My Entries for Powerball 5/69"),
    QStringLiteral("Draw Date for Powerball 5/69"),
    QStringLiteral("Winning Lines for Powerball 5/69"),
    QStringLiteral("Draw Results for Powerball 5/69"),
    4,
    2,
    1,
    QDate(2015, 10, 7),
    {{{}, 69, 26, {4, 7}}, {QDate(2021, 8, 23), 69, 26, {2, 4, 7}}},
    {},
    94,
    248,
    13,
    QStringLiteral("Defaults for Powerball 5/69"),
};

// Mega Millions since 31 October 2017; the Mega Ball lost 25 after the draw
// of 4 April 2025 (the next draw was 8 April).
const GameInfo kMegaMillions70{
    MegaMillions70,
    QStringLiteral("Mega Millions 5/70"),
    70,
    25,
    QStringLiteral("Mega Ball"),
    QStringLiteral("million70.rtl"),
    QStringLiteral("MM70"),
    QStringLiteral("StandMM70.lot"),
    QStringLiteral("MM70Defaults.rtl"),
    QStringLiteral("MM70RES.rtl"),
    QStringLiteral("MB"),
    QStringLiteral("My Entries for Mega Millions 5/70"),
    QStringLiteral("Draw Date for Mega Millions 5/70"),
    QStringLiteral("Winning Lines for Mega Millions 5/70"),
    QStringLiteral("Draw Results for Mega Millions 5/70"),
    4,
    1,
    2,
    QDate(2017, 10, 31),
    {{{}, 70, 25, {3, 6}}, {QDate(2025, 4, 5), 70, 24, {3, 6}}},
    {},
    100,
    262,
    13,
    QStringLiteral("Defaults for Mega Millions 5/70"),
};

const std::array<GameCode, 4> kAllGames{Powerball, MegaMillions, Powerball69, MegaMillions70};

QString weekdayName(int sundayFirst) {
    // Qt counts Monday = 1 ... Sunday = 7; the names are English whatever the locale.
    return QLocale::c().dayName(sundayFirst == 1 ? 7 : sundayFirst - 1);
}

} // namespace

const GameInfo& gameInfo(GameCode game) {
    switch (game) {
    case Powerball:
        return kPowerball;
    case Powerball69:
        return kPowerball69;
    case MegaMillions70:
        return kMegaMillions70;
    default:
        // Anything else reads as Mega Millions, matching how game.dat is read.
        return kMegaMillions;
    }
}

const std::array<GameCode, 4>& allGames() {
    return kAllGames;
}

bool isTodaysGame(GameCode game) {
    return gameInfo(game).firstDraw.isValid();
}

const GameFormat& gameFormat(GameCode game, const QDate& date) {
    const auto& formats = gameInfo(game).formats;
    if (!date.isValid())
        return formats.back();
    const GameFormat* inForce = &formats.front();
    for (const GameFormat& f : formats)
        if (!f.from.isValid() || f.from <= date)
            inForce = &f;
    return *inForce;
}

QDate firstDrawOfFormat(GameCode game, const GameFormat& format) {
    QDate day = format.from.isValid() ? format.from : gameInfo(game).firstDraw;
    if (!day.isValid())
        return {};
    for (int i = 0; i < 7; ++i, day = day.addDays(1))
        for (int w : format.drawWeekdays)
            if (day.dayOfWeek() % 7 + 1 == w)
                return day;
    return {};
}

QDate rangeInForceSince(GameCode game, const QDate& date, bool bonus) {
    const auto& formats = gameInfo(game).formats;
    const auto maxOf = [bonus](const GameFormat& f) { return bonus ? f.bonusMax : f.mainMax; };
    const GameFormat& inForce = gameFormat(game, date);
    auto first = formats.begin() + (&inForce - formats.data());
    while (first != formats.begin() && maxOf(*(first - 1)) == maxOf(inForce))
        --first;
    return firstDrawOfFormat(game, *first);
}

QString drawDaysText(GameCode game, const QDate& date) {
    const auto& days = gameFormat(game, date).drawWeekdays;
    QString text;
    for (size_t i = 0; i < days.size(); ++i) {
        if (i > 0)
            text += i + 1 == days.size() ? QStringLiteral(" or ") : QStringLiteral(", ");
        text += weekdayName(days[i]);
    }
    return text;
}

QString resultsNotDrawDayQuestion(GameCode game, const QDate& date) {
    return QStringLiteral("You are entering results for a day that is not %1. Are you sure you "
                          "want to continue?")
        .arg(drawDaysText(game, date));
}

QString entriesNotDrawDayQuestion(GameCode game, const QDate& date) {
    return QStringLiteral("This is not a %1 date, do you want to continue")
        .arg(drawDaysText(game, date));
}

QString payoutNotDrawDayRefusal(GameCode game, const QDate& date) {
    const QString& own = gameInfo(game).payoutDrawDayRefusal;
    return own.isEmpty() ? QStringLiteral("You must select a %1 date").arg(drawDaysText(game, date))
                         : own;
}

bool isBeforeFirstDraw(GameCode game, const QDate& date) {
    const QDate first = gameInfo(game).firstDraw;
    return first.isValid() && date.isValid() && date < first;
}

QString beforeFirstDrawMessage(GameCode game, const QDate& date) {
    const GameInfo& info = gameInfo(game);
    const QString format = QStringLiteral("dd MMMM yyyy");
    return QStringLiteral("%1 was first drawn on %2: there is no draw of %3.")
        .arg(info.name, QLocale::c().toString(info.firstDraw, format),
             QLocale::c().toString(date, format));
}

GameCode gameOfLastGameValue(int value) {
    for (GameCode game : kAllGames)
        if (gameInfo(game).lastGameValue == value)
            return game;
    return MegaMillions;
}

QString wheelEntryFileName(GameCode game, const QString& wheelCode) {
    return gameInfo(game).entryPrefix + QStringLiteral("-5-") + wheelCode + QStringLiteral(".lot");
}

bool isEntryFileOfGame(GameCode game, const QString& fileName) {
    const auto ownedBy = [&](GameCode g) {
        const GameInfo& info = gameInfo(g);
        return fileName.startsWith(info.entryPrefix, Qt::CaseInsensitive) ||
               fileName.compare(info.standingFile, Qt::CaseInsensitive) == 0;
    };
    if (isTodaysGame(game))
        return ownedBy(game);
    // The old games' screens list every entry file but today's games' own.
    return !ownedBy(Powerball69) && !ownedBy(MegaMillions70);
}

} // namespace numbrava
