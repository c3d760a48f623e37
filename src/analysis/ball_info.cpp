#include "analysis/ball_info.h"

#include "data/dates.h"
#include "data/draw_history_file.h"
#include "data/number_text.h"

namespace numbrava {

int expectedTimesDrawn(const StatsScope& scope, int drawCount) {
    const int ballsPerDraw = scope.mainBalls ? 5 : 1;
    // Worked out in full width: five balls a draw would overflow 16 bits past
    // 6553 draws and show a negative expectation.
    const double expected =
        roundHalfEven(static_cast<double>(drawCount) * ballsPerDraw / scope.range);
    return expected == 0 ? 1 : static_cast<int>(expected);
}

BallInformation ballInformation(const std::vector<DrawRecord>& stored, const StatsScope& scope,
                                int ball) {
    const std::vector<DrawRecord> draws = drawsFrom(stored, scope.since);
    const int count = static_cast<int>(draws.size());
    BallInformation info;
    info.timesExpected = expectedTimesDrawn(scope, count);
    for (int i = 1; i <= count; ++i) {
        const DrawRecord& draw = draws[static_cast<size_t>(i - 1)];
        for (std::int16_t drawn : examinedBalls(draw, scope.mainBalls)) {
            if (drawn != ball)
                continue;
            ++info.timesDrawn;
            info.drawsSince = count - i;
            info.dateLastDrawn =
                QStringLiteral("%1 %2 %3")
                    .arg(asWritten(draw.day), monthAbbrev(draw.month), asWritten(draw.year));
        }
    }
    return info;
}

BallInformation readBallInformation(const QString& folder, const StatsScope& scope, int ball) {
    const QString path = historyFilePath(folder, statsViewInfo(scope.view).game);
    return ballInformation(DrawHistoryFile::readAllDraws(path), scope, ball);
}

} // namespace numbrava
