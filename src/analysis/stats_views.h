#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace numbrava {

// The views of the statistics chart: the main balls and the bonus ball of
// each game. The codes are the ones the screens pass between them.
enum class StatsView : std::int16_t {
    MegaMillionsMain = 1,
    MegaMillionsMegaBall = 5,
    PowerballMain = 6,
    Powerball = 7,
    Powerball69Main = 8,
    Powerball69 = 9,
    MegaMillions70Main = 10,
    MegaMillions70MegaBall = 11,
};

struct StatsViewInfo {
    StatsView code;
    GameCode game;
    bool mainBalls;     // the five main balls of a draw, else its bonus ball
    const char* action; // name of the view's menu item
    QString title;      // "Powerball Main"
};

// In menu order.
const std::array<StatsViewInfo, 8>& statsViews();
const StatsViewInfo& statsViewInfo(StatsView view);
// The view a game's statistics open on: its main balls.
StatsView mainViewOf(GameCode game);

// "Draw Statistics for Powerball Main", with " (Sorted)" when sorted.
QString statsCaption(StatsView view, bool sorted);

// What a view counts on a given day: balls 1..range of the draws since its
// range has been the one in force that day (Mega Millions 5/70's Mega Ball
// 1-24 from 8 April 2025), or of every stored draw for the games of
// 2002-2005.
struct StatsScope {
    StatsView view;
    bool mainBalls;
    int range;
    QDate since; // the first draw counted (drawsFrom); null: every stored draw
};
StatsScope statsScope(StatsView view, const QDate& today);

// What the screen says about the draws counted; empty when they are all of them.
QString scopeText(const StatsScope& scope);

// The balls of a draw that a view looks at.
inline std::span<const std::int16_t> examinedBalls(const DrawRecord& draw, bool mainBalls) {
    if (mainBalls)
        return draw.balls;
    return {&draw.bonus, 1};
}

} // namespace numbrava
