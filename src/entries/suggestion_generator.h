#pragma once

#include "data/draw_record.h"
#include "data/game.h"
#include "data/number_set.h"
#include "ui/random_source.h"

#include <optional>
#include <vector>

namespace numbrava {

// Draws suggested lines from a game's draw history: each of the five
// positions follows the numbers drawn at that position, the bonus follows the
// drawn bonus numbers. A line is kept apart from the lines of the entry:
// while the entry stays small (the lines held plus the number asked for below
// 52) no two lines share three main numbers; no two lines ever share all five.
// The lines are held in memory so that an attempt never re-reads the file.
class SuggestionGenerator {
  public:
    // enterNo is the number typed in the "Enter No" box: together with the
    // lines held it decides how strictly lines are kept apart. A line keeps
    // to the ranges in force on the entries date (no date: today's).
    SuggestionGenerator(GameCode game, std::vector<DrawRecord> draws,
                        const std::vector<EntryLine>& entryLines, double enterNo,
                        RandomSource& random, const QDate& entriesDate = {});

    // One attempt; empty when it was abandoned (a record number of 0, a
    // number drawn twice, a number outside the game, or too close to a line).
    std::optional<EntryLine> attempt();

    // Whether a line (main numbers ascending) keeps apart from every line held.
    bool spreadAllows(const EntryLine& line) const;

    // The line is now in the entry file too.
    void keep(const EntryLine& line);

    int lineCount() const { return static_cast<int>(lines_.size()); }

  private:
    // A record number from 0 to the number of draws; 0 abandons the attempt.
    int pickRecord();
    bool inGame(const EntryLine& line) const;

    const GameFormat& format_;
    std::vector<DrawRecord> draws_;
    double enterNo_;
    RandomSource& random_;
    // The main numbers of each line held.
    std::vector<NumberSet> lines_;
};

} // namespace numbrava
