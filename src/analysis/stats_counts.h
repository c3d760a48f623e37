#pragma once

#include "analysis/stats_views.h"

#include <QString>
#include <optional>
#include <vector>

namespace numbrava {

struct BallCount {
    int ball = 0;
    int count = 0;
    bool operator==(const BallCount&) const = default;
};

struct DrawStatistics {
    // counts[b - 1] is how often ball b was drawn.
    std::vector<int> counts;
    // More recent draws were asked for than the file holds; all were counted.
    bool tooManyAsked = false;
};

inline const QString kTooManyLastDraws = QStringLiteral(
    "Your value for last draws exceed the number of actual draws. Setting to actual draws.");

// Counts the scope's balls over the lastDraws most recent of its draws, or over
// all of them when lastDraws is below 1. Balls outside its range are skipped.
DrawStatistics countBalls(const std::vector<DrawRecord>& draws, const StatsScope& scope,
                          int lastDraws);
// The same over the view's draw history file in a folder; raises FileError.
DrawStatistics readDrawStatistics(const QString& folder, const StatsScope& scope, int lastDraws);

// Balls ordered by count, most frequent first, by one exchange pass over every
// pair of positions. Balls of equal count keep the order that pass leaves
// them in, which is not ball order; players know the chart by it.
std::vector<BallCount> rankBalls(const std::vector<int>& counts);
// The chart's rows: ranked when sorted, else in ball order.
std::vector<BallCount> chartRows(const std::vector<int>& counts, bool sorted);

// "Use Last Draws" as a number of draws; below 1 means all draws. Values
// beyond 16 bits stay beyond what any file holds, or below 1.
int lastDrawsFromText(const QString& text);

// The ball typed for "Info", checked against the scope's range.
struct InfoBallChoice {
    std::optional<int> ball; // empty when refused
    QString refusal;         // the message when refused
    QString typedNumber;     // the number read, as written
};
InfoBallChoice infoBallFromText(const StatsScope& scope, const QString& text);

} // namespace numbrava
