#include "payouts/prize_matching.h"

#include "payouts/prize_category.h"

namespace numbrava {

CheckDraw CheckDraw::fromDisplayed(const std::array<std::int16_t, 8>& displayed) {
    CheckDraw draw;
    for (size_t slot = 0; slot < draw.main.size(); ++slot)
        draw.main[slot] = displayed[slot];
    draw.bonus = displayed[5];
    return draw;
}

CheckDraw CheckDraw::fromRecord(const DrawRecord& record) {
    return CheckDraw{record.balls, record.bonus};
}

int mainNumbersMatched(const EntryLine& line, const CheckDraw& draw) {
    int pairs = 0;
    for (std::int16_t number : line.numbers)
        for (std::int16_t ball : draw.main)
            if (number == ball)
                ++pairs;
    return pairs;
}

int prizeCategoryOf(const EntryLine& line, const CheckDraw& draw) {
    return prizeCategory(mainNumbersMatched(line, draw), line.bonus == draw.bonus);
}

LineMatcher::LineMatcher(std::vector<EntryLine> lines) : lines_(std::move(lines)) {
    masks_.reserve(lines_.size());
    bonuses_.reserve(lines_.size());
    for (const EntryLine& line : lines_) {
        masks_.push_back(maskOf(line.numbers));
        bonuses_.push_back(line.bonus);
        allMasked_ = allMasked_ && !masks_.back().empty();
    }
}

const LineMatcher::CategoryTable& LineMatcher::categoryTable() {
    static const CategoryTable table = [] {
        CategoryTable t{};
        for (size_t matched = 0; matched < t.size(); ++matched)
            for (size_t bonus = 0; bonus < 2; ++bonus)
                t[matched][bonus] =
                    static_cast<std::uint8_t>(prizeCategory(static_cast<int>(matched), bonus == 1));
        return t;
    }();
    return table;
}

NumberMask LineMatcher::maskOf(const std::array<std::int16_t, 5>& numbers) {
    NumberMask mask;
    for (std::int16_t n : numbers) {
        if (n < 0 || n > 127)
            return {};
        std::uint64_t& word = n < 64 ? mask.low : mask.high;
        const std::uint64_t bit = std::uint64_t{1} << (n % 64);
        if (word & bit)
            return {};
        word |= bit;
    }
    return mask;
}

} // namespace numbrava
