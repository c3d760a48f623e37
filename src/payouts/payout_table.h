#pragma once

#include "payouts/prize_category.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace numbrava {

// Nine whole-dollar amounts indexed by category; a category without an amount
// (the jackpot of a default table, or no table at all) adds nothing. An actual
// table also carries its draw date key and its confirmed flag.
struct PayoutTable {
    std::array<std::optional<std::int32_t>, kPrizeCategories> amounts{};
    QString dateKey;
    // -1 confirmed, 0 provisional, as stored.
    std::int16_t confirmed = 0;

    std::optional<std::int32_t> amount(int category) const {
        if (category < 1 || category > kPrizeCategories)
            return std::nullopt;
        return amounts[static_cast<size_t>(category - 1)];
    }
    void setAmount(int category, std::int32_t value) {
        amounts[static_cast<size_t>(category - 1)] = value;
    }
    bool isConfirmed() const { return confirmed == -1; }
};

} // namespace numbrava
