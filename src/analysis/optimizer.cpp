#include "analysis/optimizer.h"

#include "data/number_text.h"

#include <algorithm>

namespace numbrava {

namespace {
bool inRange(int n, int max) {
    return n >= 1 && n <= max;
}

// Five distinct main numbers and a bonus, all within the game's format of
// the draw's date.
bool isDrawOfGame(const DrawRecord& draw, GameCode game) {
    const GameFormat& format = gameFormat(game, QDate(draw.year, draw.month, draw.day));
    for (size_t i = 0; i < draw.balls.size(); ++i) {
        if (!inRange(draw.balls[i], format.mainMax))
            return false;
        for (size_t j = 0; j < i; ++j)
            if (draw.balls[j] == draw.balls[i])
                return false;
    }
    return inRange(draw.bonus, format.bonusMax);
}

// The index of the greatest count above 0 (the first on a tie), 0 when none.
template <typename Counts> int indexOfGreatest(const Counts& counts, int from, int to) {
    int best = 0;
    for (int i = from; i <= to; ++i)
        if (counts[i] > 0 && (best == 0 || counts[i] > counts[best]))
            best = i;
    return best;
}
} // namespace

PairCounts::PairCounts(GameCode game)
    : game_(game), mainMax_(gameInfo(game).mainMax),
      pairs_(static_cast<size_t>(mainMax_) + 1,
             std::vector<std::int16_t>(static_cast<size_t>(mainMax_) + 1, 0)),
      bonusWithMain_(
          static_cast<size_t>(mainMax_) + 1,
          std::vector<std::int16_t>(static_cast<size_t>(gameInfo(game).bonusMax) + 1, 0)) {}

PairCounts::PairCounts(GameCode game, const std::vector<DrawRecord>& studied) : PairCounts(game) {
    for (const DrawRecord& draw : studied) {
        if (!isDrawOfGame(draw, game))
            continue;
        for (std::int16_t m : draw.balls) {
            ++bonusWithMain_[m][draw.bonus];
            for (std::int16_t x : draw.balls)
                if (x != m)
                    ++pairs_[m][x];
        }
    }
}

int PairCounts::pairCount(int a, int b) const {
    return inRange(a, mainMax_) && inRange(b, mainMax_) ? pairs_[a][b] : 0;
}

int PairCounts::bestBonus(int m, int bonusMax) const {
    if (!inRange(m, mainMax_))
        return 0;
    const auto& withM = bonusWithMain_[static_cast<size_t>(m)];
    return indexOfGreatest(withM, 1, std::min(bonusMax, static_cast<int>(withM.size()) - 1));
}

int PairCounts::GetBestFor(int keyball, int e1, int e2, int e3, int e4) const {
    if (!inRange(keyball, mainMax_))
        return 0;
    std::vector<int> candidates(pairs_[static_cast<size_t>(keyball)].begin(),
                                pairs_[static_cast<size_t>(keyball)].end());
    for (int e : {e1, e2, e3, e4})
        if (inRange(e, mainMax_))
            candidates[e] = 0;
    return indexOfGreatest(candidates, 1, mainMax_);
}

StudiedRange studiedRange(const QString& boxText, int drawCount) {
    if (drawCount == 0)
        return {
            QStringLiteral("There are no draws in the history file, this process cannot be run.")};
    const double n = leadingNumber(boxText);
    if (!(n >= 1 && n <= drawCount))
        return {QStringLiteral("Your entry is outside the permitted draw range")};
    // The count of draws before the last one is taken as a whole number.
    return {QString(), drawCount - static_cast<int>(roundHalfEven(n - 1))};
}

std::vector<EntryLine> optimizedLines(const PairCounts& counts, const QDate& entriesDate) {
    // Every format of a game has the same main numbers; the bonus may differ.
    const int bonusMax = gameFormat(counts.game(), entriesDate).bonusMax;
    std::vector<EntryLine> lines;
    for (int k = 1; k <= counts.mainMax(); ++k) {
        const int b2 = counts.GetBestFor(k, k, 0, 0, 0);
        const int b3 = b2 ? counts.GetBestFor(b2, k, b2, 0, 0) : 0;
        const int b4 = b3 ? counts.GetBestFor(b3, k, b2, b3, 0) : 0;
        const int b5 = b4 ? counts.GetBestFor(b4, k, b2, b3, b4) : 0;
        if (b5 == 0)
            continue;
        EntryLine line;
        line.numbers = {static_cast<std::int16_t>(k), static_cast<std::int16_t>(b2),
                        static_cast<std::int16_t>(b3), static_cast<std::int16_t>(b4),
                        static_cast<std::int16_t>(b5)};
        std::sort(line.numbers.begin(), line.numbers.end());
        line.bonus = static_cast<std::int16_t>(counts.bestBonus(k, bonusMax));
        const bool made = std::any_of(lines.begin(), lines.end(), [&](const EntryLine& earlier) {
            return earlier.numbers == line.numbers;
        });
        if (!made)
            lines.push_back(line);
    }
    return lines;
}

namespace OptimizerTexts {
QString frameCaption(int drawCount) {
    return QStringLiteral("Enter number from 1 to ") + asWritten(drawCount);
}
QString enterValue() {
    return QStringLiteral("Please enter a value");
}
QString processed(const QString& boxText) {
    return QStringLiteral("Last ") + boxText + QStringLiteral(" draws have been processed");
}
QString appendQuestion() {
    return QStringLiteral("You already have a date entry for this date, do you want to add the new "
                          "optimised entry to the existing entry?");
}
QString done(int added) {
    return QStringLiteral("Done - ") + asWritten(added) +
           QStringLiteral(" entries added to draw for selected date.");
}
QString quitQuestion() {
    return QStringLiteral("You have not yet created an entry from the last initiation of Process "
                          "Range. Do you still want to quit?");
}
} // namespace OptimizerTexts

} // namespace numbrava
