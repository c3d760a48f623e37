#include "analysis/stats_counts.h"

#include "data/draw_history_file.h"
#include "data/number_text.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace numbrava {

DrawStatistics countBalls(const std::vector<DrawRecord>& stored, const StatsScope& scope,
                          int lastDraws) {
    const std::vector<DrawRecord> draws = drawsFrom(stored, scope.since);
    DrawStatistics result;
    result.counts.assign(static_cast<size_t>(scope.range), 0);
    const int count = static_cast<int>(draws.size());
    int first = 1;
    if (lastDraws >= 1) {
        if (count - lastDraws + 1 < 1)
            result.tooManyAsked = true;
        else
            first = count - lastDraws + 1;
    }
    for (int i = first; i <= count; ++i)
        for (std::int16_t ball : examinedBalls(draws[static_cast<size_t>(i - 1)], scope.mainBalls))
            if (ball >= 1 && ball <= scope.range)
                ++result.counts[static_cast<size_t>(ball - 1)];
    return result;
}

DrawStatistics readDrawStatistics(const QString& folder, const StatsScope& scope, int lastDraws) {
    const QString path = historyFilePath(folder, statsViewInfo(scope.view).game);
    return countBalls(DrawHistoryFile::readAllDraws(path), scope, lastDraws);
}

std::vector<BallCount> rankBalls(const std::vector<int>& counts) {
    std::vector<BallCount> ranked;
    for (size_t b = 0; b < counts.size(); ++b)
        ranked.push_back({static_cast<int>(b + 1), counts[b]});
    for (BallCount& at : ranked)
        for (BallCount& other : ranked)
            if (at.count > other.count)
                std::swap(at, other);
    return ranked;
}

std::vector<BallCount> chartRows(const std::vector<int>& counts, bool sorted) {
    if (sorted)
        return rankBalls(counts);
    std::vector<BallCount> rows;
    for (size_t b = 0; b < counts.size(); ++b)
        rows.push_back({static_cast<int>(b + 1), counts[b]});
    return rows;
}

int lastDrawsFromText(const QString& text) {
    const double value = roundHalfEven(leadingNumber(text));
    // No file holds more than 32767 draws, so 32768 already asks for too many.
    return static_cast<int>(std::clamp(value, 0.0, 32768.0));
}

InfoBallChoice infoBallFromText(const StatsScope& scope, const QString& text) {
    const int upper = scope.range;
    const double value = leadingNumber(text);
    InfoBallChoice choice;
    if (!(value >= 1 && value <= upper)) {
        choice.refusal = QStringLiteral("You must enter a number between 1 and %1").arg(upper);
        return choice;
    }
    choice.ball = static_cast<int>(roundHalfEven(value));
    choice.typedNumber = QString::number(value, 'g', 15);
    return choice;
}

} // namespace numbrava
