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

// Five different numbers from 0 to 127 as a bit set of two words: number n is
// bit n % 64 of word n / 64. Numbers up to 70 and beyond fit, so the lines of
// every game stay masks.
struct NumberMask {
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    bool empty() const { return (low | high) == 0; }
    // How many numbers the two sets share.
    int common(const NumberMask& other) const {
        return std::popcount(low & other.low) + std::popcount(high & other.high);
    }
};

// Lines made ready once to be checked against any number of draws. A line of
// five different numbers from 0 to 127 becomes a bit mask, so its main matches
// are two popcounts; it gives the same count as the pairs above. Anything else
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
    // The bit mask of five different numbers from 0 to 127, empty for any other set.
    static NumberMask maskOf(const std::array<std::int16_t, 5>& numbers);

    std::vector<EntryLine> lines_;
    std::vector<NumberMask> masks_;
    std::vector<std::int16_t> bonuses_;
    bool allMasked_ = true;
};

template <typename OnLine> void LineMatcher::match(const CheckDraw& draw, OnLine&& onLine) const {
    const NumberMask drawMask = maskOf(draw.main);
    if (drawMask.empty() || !allMasked_) {
        for (size_t i = 0; i < lines_.size(); ++i)
            onLine(i, prizeCategoryOf(lines_[i], draw));
        return;
    }
    const CategoryTable& table = categoryTable();
    const std::int16_t bonus = draw.bonus;
    for (size_t i = 0; i < masks_.size(); ++i)
        onLine(i, static_cast<int>(table[static_cast<size_t>(masks_[i].common(drawMask))]
                                        [bonuses_[i] == bonus ? 1 : 0]));
}

} // namespace numbrava
