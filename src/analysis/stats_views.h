#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QString>
#include <array>
#include <cstdint>
#include <span>

namespace numbrava {

// The four views of the statistics chart: the main balls and the bonus ball of
// each game. The codes are the ones the screens pass between them.
enum class StatsView : std::int16_t {
    MegaMillionsMain = 1,
    MegaMillionsMegaBall = 5,
    PowerballMain = 6,
    Powerball = 7,
};

struct StatsViewInfo {
    StatsView code;
    GameCode game;
    bool mainBalls;     // the five main balls of a draw, else its bonus ball
    int range;          // balls 1..range
    const char* action; // name of the view's menu item
    QString title;      // "Powerball Main"
};

// In menu order.
const std::array<StatsViewInfo, 4>& statsViews();
const StatsViewInfo& statsViewInfo(StatsView view);
// The view a game's statistics open on: its main balls.
StatsView mainViewOf(GameCode game);

// "Draw Statistics for Powerball Main", with " (Sorted)" when sorted.
QString statsCaption(StatsView view, bool sorted);

// The balls of a draw that a view looks at.
inline std::span<const std::int16_t> examinedBalls(const DrawRecord& draw, bool mainBalls) {
    if (mainBalls)
        return draw.balls;
    return {&draw.bonus, 1};
}

} // namespace numbrava
