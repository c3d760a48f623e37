#pragma once

#include "data/draw_record.h"
#include "data/game.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace numbrava {

// How often the main numbers came up together in the studied draws, and how
// often each bonus came up with each main number. A record that is no draw of
// the game (a number outside the ranges of its date, a main number twice) is
// left out, so every main number that counts has partners and a bonus.
class PairCounts {
  public:
    // All counts zero: nothing studied yet.
    explicit PairCounts(GameCode game);
    PairCounts(GameCode game, const std::vector<DrawRecord>& studied);

    GameCode game() const { return game_; }
    int mainMax() const { return mainMax_; }
    // Draws whose main numbers hold both a and b; 0 on the diagonal.
    int pairCount(int a, int b) const;
    // The bonus from 1 to bonusMax seen most often with main number m (the
    // smallest on a tie), 0 when none was.
    int bestBonus(int m, int bonusMax) const;
    // The main number drawn most often with keyball, leaving out the
    // exclusions that are above 0; the smallest on a tie, 0 when none.
    int GetBestFor(int keyball, int e1, int e2, int e3, int e4) const;

  private:
    GameCode game_;
    int mainMax_; // the largest of any of the game's formats
    // pairs_[a][b]: draws holding both a and b; bonusWithMain_[m][b]: draws
    // holding main number m whose bonus was b.
    std::vector<std::vector<std::int16_t>> pairs_;
    std::vector<std::vector<std::int16_t>> bonusWithMain_;
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
// line made before. Main numbers ascending, bonus the key's best bonus within
// the ranges in force on the entries date.
std::vector<EntryLine> optimizedLines(const PairCounts& counts, const QDate& entriesDate);

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
