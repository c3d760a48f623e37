#pragma once

#include "data/draw_record.h"
#include "data/game.h"
#include "history/history_pages.h"
#include "payouts/prize_category.h"
#include "payouts/prize_matching.h"

#include <array>
#include <vector>

namespace numbrava {

// A date as the history check compares it: year * 10000 + month * 100 + day.
constexpr long long historyDateKey(int year, int month, int day) {
    return year * 10000LL + month * 100LL + day;
}

// The draws of a period: indexes [first, end) of the history, in date order.
struct DrawPeriod {
    size_t first = 0;
    size_t end = 0;
    bool empty() const { return end <= first; }
    int size() const { return empty() ? 0 : static_cast<int>(end - first); }
};

// From the first draw on or after the start key up to the last one before
// the first draw after the end key (a draw on the end date counts).
DrawPeriod drawPeriod(const std::vector<DrawRecord>& draws, long long startKey, long long endKey);

// Checks a set of lines against the draws of a period, one draw at a time so
// that the caller can serve the user between draws. Every draw lists its
// heading and its winning lines on the pages, and the wins of every category
// are totalled over all draws checked.
class HistoryCheck {
  public:
    HistoryCheck(GameCode game, std::vector<EntryLine> lines, std::vector<DrawRecord> draws,
                 int pageLimit = kHistoryPageLimit);

    int drawCount() const { return static_cast<int>(draws_.size()); }
    int drawsChecked() const { return static_cast<int>(next_); }
    bool finished() const { return next_ >= draws_.size(); }
    // Checks the next draw of the period.
    void checkNextDraw();
    // Runs to the end.
    void checkAll();

    // Wins of category 1..9 so far.
    long long total(int category) const { return totals_[static_cast<size_t>(category)]; }
    const HistoryPages& pages() const { return pages_; }

  private:
    GameCode game_;
    LineMatcher lines_;
    std::vector<DrawRecord> draws_;
    size_t next_ = 0;
    // Index 0 counts the lines that won nothing.
    std::array<long long, kPrizeCategories + 1> totals_{};
    HistoryPages pages_;
};

} // namespace numbrava
