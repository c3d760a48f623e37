#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace numbrava {

// Game codes as passed around; 0 only before the first choice. The two games
// of 2002-2005 keep their codes 2 and 3; today's two games come after them.
enum GameCode : std::int16_t {
    NoGame = 0,
    MegaMillions = 2,
    Powerball = 3,
    Powerball69 = 4,
    MegaMillions70 = 5
};

// The ranges and draw days a game had from one date on.
struct GameFormat {
    QDate from;                    // null: since the game began
    int mainMax;                   // largest main number
    int bonusMax;                  // largest bonus number
    std::vector<int> drawWeekdays; // Sunday = 1 ... Saturday = 7, in calendar order
};

// Everything that differs between the games, in one place.
struct GameInfo {
    GameCode code;
    QString name;         // "Powerball" / "Mega Millions" / "Powerball 5/69"
    int mainMax;          // largest main number of any format of the game
    int bonusMax;         // largest bonus number of any format of the game
    QString bonusName;    // "Powerball" / "Mega Ball"
    QString historyFile;  // pbk.rtl / million.rtl / pbk69.rtl / million70.rtl
    QString entryPrefix;  // "PwrB" / "Mega" / "PB69" / "MM70"
    QString standingFile; // StandPB.lot / StandMM.lot / StandPB69.lot / StandMM70.lot
    QString defaultPayoutFile;
    QString actualPayoutFile;
    QString tag; // "PB" / "MB"
    QString entriesFrameCaption;
    QString drawDateFrameCaption;
    QString winningLinesFrameCaption;
    QString resultsListCaption;
    int mainPictureList;             // which ball picture list shows the main balls
    int bonusPictureList;            // and which shows the bonus ball
    std::int16_t lastGameValue;      // what game.dat holds while the game is selected
    QDate firstDraw;                 // null for the games of 2002-2005: one format on every date
    std::vector<GameFormat> formats; // oldest first
    QString payoutDrawDayRefusal; // the actual payouts screen's wording; empty: made from the days
    // The sum filter's window at slider 1, and how far each step above 1
    // raises its low end and lowers its high end.
    int sumLow;
    int sumHigh;
    int sumStep;
    QString payoutDefaultsCaption; // "Defaults for P/B": the default payouts screen
};

const GameInfo& gameInfo(GameCode game);

// The four games in the order the main screen offers them.
const std::array<GameCode, 4>& allGames();

// Whether the game is one of today's (it has a first draw and formats by date).
bool isTodaysGame(GameCode game);

// The format in force on a date; a date before the first draw takes the first
// format, and an invalid date the latest.
const GameFormat& gameFormat(GameCode game, const QDate& date);

// The first date on or after a format began that is one of its draw days.
QDate firstDrawOfFormat(GameCode game, const GameFormat& format);

// The first draw since which the game's main range (bonus false) or bonus
// range (bonus true) has been the one in force on a date, through every change
// of format that kept it; null for the games of 2002-2005, which never changed.
// Mega Millions 5/70's Mega Ball 1-24: 8 April 2025.
QDate rangeInForceSince(GameCode game, const QDate& date, bool bonus);

// "Wednesday or Saturday", "Monday, Wednesday or Saturday": the draw days in
// force on a date, in calendar order.
QString drawDaysText(GameCode game, const QDate& date);

// The questions and the refusal that name the draw days of a date.
QString resultsNotDrawDayQuestion(GameCode game, const QDate& date);
QString entriesNotDrawDayQuestion(GameCode game, const QDate& date);
QString payoutNotDrawDayRefusal(GameCode game, const QDate& date);

// Whether a date lies before the game's first draw (never for the old games),
// and the message that refuses a draw result of such a date.
bool isBeforeFirstDraw(GameCode game, const QDate& date);
QString beforeFirstDrawMessage(GameCode game, const QDate& date);

// The game a game.dat value stands for: -1, 0, 1, 2; anything else reads as
// Mega Millions of 2002-2005.
GameCode gameOfLastGameValue(int value);

// "PB " / "MB ": the tag as it stands inside a displayed line.
inline QString lineTag(GameCode game) {
    return gameInfo(game).tag + QLatin1Char(' ');
}

// Name of the wheel entry file of a game for a wheel code such as "5-4".
QString wheelEntryFileName(GameCode game, const QString& wheelCode);

// Whether an entry file name (dated, standing or wheel) belongs to the game.
// Each game's prefix is distinct, so a file of one game never reads as another's.
bool isEntryFileOfGame(GameCode game, const QString& fileName);

} // namespace numbrava
