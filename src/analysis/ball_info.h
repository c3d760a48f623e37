#pragma once

#include "analysis/stats_views.h"

#include <QString>
#include <optional>
#include <vector>

namespace numbrava {

// What the ball information screen shows about one ball of a view, over
// every stored draw of its scope.
struct BallInformation {
    int timesDrawn = 0;
    QString dateLastDrawn;         // "5 JUL 2003"; empty when never drawn
    std::optional<int> drawsSince; // draws after the last one with the ball
    int timesExpected = 1;         // the same for every ball of a view
};

// Draws × balls per draw / balls in the view, rounded halves to even; never
// below 1 so that a young history does not read as "expected never".
int expectedTimesDrawn(const StatsScope& scope, int drawCount);

BallInformation ballInformation(const std::vector<DrawRecord>& draws, const StatsScope& scope,
                                int ball);
// The same over the view's draw history file in a folder; raises FileError.
BallInformation readBallInformation(const QString& folder, const StatsScope& scope, int ball);

} // namespace numbrava
