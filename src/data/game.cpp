#include "data/game.h"

namespace numbrava {

namespace {

const GameInfo kPowerball{
    Powerball,
    QStringLiteral("Powerball"),
    53,
    42,
    QStringLiteral("Powerball"),
    {4, 7},
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
    QStringLiteral("You are entering results for a day that is not Wednesday or Saturday. Are "
                   "you sure you want to continue?"),
    QStringLiteral("This is not a Wednesday or Saturday date, do you want to continue"),
};

const GameInfo kMegaMillions{
    MegaMillions,
    QStringLiteral("Mega Millions"),
    52,
    52,
    QStringLiteral("Mega Ball"),
    {3, 6},
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
    QStringLiteral("You are entering results for a day that is not Tuesday or Friday. Are you "
                   "sure you want to continue?"),
    QStringLiteral("This is not a Tuesday or Friday date, do you want to continue"),
};

} // namespace

const GameInfo& gameInfo(GameCode game) {
    // Anything but Powerball reads as Mega Millions, matching how game.dat is read.
    return game == Powerball ? kPowerball : kMegaMillions;
}

QString wheelEntryFileName(GameCode game, const QString& wheelCode) {
    return gameInfo(game).entryPrefix + QStringLiteral("-5-") + wheelCode + QStringLiteral(".lot");
}

} // namespace numbrava
