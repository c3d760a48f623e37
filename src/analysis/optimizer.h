#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace numbrava {

// Main and bonus numbers of both games fit below this.
constexpr int kOptimizerTableSize = 54;

// How often the main numbers came up together in the studied draws, and which
// bonus came up most often with each main number. A record that is no draw of
// the game (a number outside its range, a main number twice) is left out, so
// every main number that counts has partners and a bonus.
class PairCounts {
  public:
    // All counts zero: nothing studied yet.
    explicit PairCounts(GameCode game);
    PairCounts(GameCode game, const std::vector<DrawRecord>& studied);

    int mainMax() const { return mainMax_; }
    // Draws whose main numbers hold both a and b; 0 on the diagonal.
    int pairCount(int a, int b) const;
    // The bonus seen most often with main number m (the smallest on a tie),
    // 0 when m was not drawn.
    int bestBonus(int m) const;
    // The main number drawn most often with keyball, leaving out the
    // exclusions that are above 0; the smallest on a tie, 0 when none.
    int GetBestFor(int keyball, int e1, int e2, int e3, int e4) const;

  private:
    int mainMax_;
    int bonusMax_;
    std::array<std::array<std::int16_t, kOptimizerTableSize>, kOptimizerTableSize> pairs_{};
    std::array<std::int16_t, kOptimizerTableSize> bestBonus_{};
};

// Where the studied draws start, or why Process Range refuses.
struct StudiedRange {
    QString refusal;     // empty when the range is good
    int firstRecord = 0; // the studied records run from here to the last draw
};

// The box's number n picks the latest n of drawCount stored draws.
StudiedRange studiedRange(const QString& boxText, int drawCount);

// One line per main number k, chained from k through each number's most
// frequent partner, leaving out the numbers already in the line. A key with
// no chain gives no line, nor does a chain ending in the five numbers of a
// line made before. Main numbers ascending, bonus the key's best bonus.
std::vector<EntryLine> optimizedLines(const PairCounts& counts);

// The screen's captions, messages and questions.
namespace OptimizerTexts {
QString frameCaption(int drawCount);
QString enterValue();
QString processed(const QString& boxText);
QString appendQuestion();
QString done(int added);
QString quitQuestion();
} // namespace OptimizerTexts

} // namespace numbrava
