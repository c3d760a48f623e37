#pragma once

#include <QString>
#include <cstdint>

namespace numbrava {

// Game codes as stored and passed around; 0 only before the first choice.
enum GameCode : std::int16_t { NoGame = 0, MegaMillions = 2, Powerball = 3 };

// Everything that differs between the two games, in one place.
struct GameInfo {
    GameCode code;
    QString name;         // "Powerball" / "Mega Millions"
    int mainMax;          // largest main number
    int bonusMax;         // largest bonus number
    QString bonusName;    // "Powerball" / "Mega Ball"
    int drawWeekdays[2];  // Sunday = 1 ... Saturday = 7
    QString historyFile;  // pbk.rtl / million.rtl
    QString entryPrefix;  // "PwrB" / "Mega"
    QString standingFile; // StandPB.lot / StandMM.lot
    QString defaultPayoutFile;
    QString actualPayoutFile;
    QString tag; // "PB" / "MB"
    QString entriesFrameCaption;
    QString drawDateFrameCaption;
    QString winningLinesFrameCaption;
    QString resultsListCaption;
    int mainPictureList;  // which ball picture list shows the main balls
    int bonusPictureList; // and which shows the bonus ball
    QString resultsNotDrawDayQuestion;
    QString entriesNotDrawDayQuestion;
};

const GameInfo& gameInfo(GameCode game);

// "PB " / "MB ": the tag as it stands inside a displayed line.
inline QString lineTag(GameCode game) {
    return gameInfo(game).tag + QLatin1Char(' ');
}

// Name of the wheel entry file of a game for a wheel code such as "5-4".
QString wheelEntryFileName(GameCode game, const QString& wheelCode);

} // namespace numbrava
