#include "analysis/ball_info.h"

#include "data/dates.h"
#include "data/draw_history_file.h"
#include "data/number_text.h"

namespace numbrava {

int expectedTimesDrawn(StatsView view, int drawCount) {
    const StatsViewInfo& info = statsViewInfo(view);
    const int ballsPerDraw = info.mainBalls ? 5 : 1;
    // Worked out in full width: five balls a draw would overflow 16 bits past
    // 6553 draws and show a negative expectation.
    const double expected =
        roundHalfEven(static_cast<double>(drawCount) * ballsPerDraw / info.range);
    return expected == 0 ? 1 : static_cast<int>(expected);
}

BallInformation ballInformation(const std::vector<DrawRecord>& draws, StatsView view, int ball) {
    const bool mainBalls = statsViewInfo(view).mainBalls;
    const int count = static_cast<int>(draws.size());
    BallInformation info;
    info.timesExpected = expectedTimesDrawn(view, count);
    for (int i = 1; i <= count; ++i) {
        const DrawRecord& draw = draws[static_cast<size_t>(i - 1)];
        for (std::int16_t drawn : examinedBalls(draw, mainBalls)) {
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

BallInformation readBallInformation(const QString& folder, StatsView view, int ball) {
    const QString path = historyFilePath(folder, statsViewInfo(view).game);
    return ballInformation(DrawHistoryFile::readAllDraws(path), view, ball);
}

} // namespace numbrava
