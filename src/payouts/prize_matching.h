#pragma once

#include "data/draw_record.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace numbrava {

// The draw lines are checked against: five main balls and the bonus.
struct CheckDraw {
    std::array<std::int16_t, 5> main{};
    std::int16_t bonus = 0;

    // From the shown draw: slots 0..4 the main balls, slot 5 the bonus.
    static CheckDraw fromDisplayed(const std::array<std::int16_t, 8>& displayed);
    static CheckDraw fromRecord(const DrawRecord& draw);
};

// Main numbers matched, counted as pairs (line number i equals drawn ball k):
// for a line of distinct numbers, how many of them were drawn.
int mainNumbersMatched(const EntryLine& line, const CheckDraw& draw);
// The line's prize category 1..9, 0 when it wins nothing. The bonus number is
// compared with the drawn bonus only.
int prizeCategoryOf(const EntryLine& line, const CheckDraw& draw);

// Lines made ready once to be checked against any number of draws. A line of
// five different numbers from 0 to 63 becomes a bit mask, so its main matches
// are one popcount; it gives the same count as the pairs above. Anything else
// (a repeated or odd number from a damaged file) is counted pair by pair.
class LineMatcher {
  public:
    explicit LineMatcher(std::vector<EntryLine> lines);

    size_t size() const { return lines_.size(); }
    const EntryLine& line(size_t index) const { return lines_[index]; }

    // Calls onLine(index, category) for every line in file order; category 0
    // for a line that wins nothing.
    template <typename OnLine> void match(const CheckDraw& draw, OnLine&& onLine) const;

  private:
    // Category by main matches 0..5 and bonus matched (second index).
    using CategoryTable = std::array<std::array<std::uint8_t, 2>, 6>;
    static const CategoryTable& categoryTable();
    // The bit mask of five different numbers from 0 to 63, or 0 for any other set.
    static std::uint64_t maskOf(const std::array<std::int16_t, 5>& numbers);

    std::vector<EntryLine> lines_;
    std::vector<std::uint64_t> masks_;
    std::vector<std::int16_t> bonuses_;
    bool allMasked_ = true;
};

template <typename OnLine> void LineMatcher::match(const CheckDraw& draw, OnLine&& onLine) const {
    const std::uint64_t drawMask = maskOf(draw.main);
    if (drawMask == 0 || !allMasked_) {
        for (size_t i = 0; i < lines_.size(); ++i)
            onLine(i, prizeCategoryOf(lines_[i], draw));
        return;
    }
    const CategoryTable& table = categoryTable();
    const std::int16_t bonus = draw.bonus;
    for (size_t i = 0; i < masks_.size(); ++i)
        onLine(i, static_cast<int>(table[static_cast<size_t>(std::popcount(masks_[i] & drawMask))]
                                        [bonuses_[i] == bonus ? 1 : 0]));
}

} // namespace numbrava
