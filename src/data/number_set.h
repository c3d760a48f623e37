#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace numbrava {

// A set of main numbers as bits, so that the numbers two lines share are one
// popcount per word. Two words hold 0..127: every game's numbers fit, 64..70
// included.
class NumberSet {
  public:
    static constexpr int kLargest = 127;

    // The numbers of a line that lie within 0..127; others are left out.
    template <typename Numbers> static NumberSet of(const Numbers& numbers) {
        NumberSet set;
        for (auto n : numbers)
            if (n >= 0 && n <= kLargest)
                set.words_[static_cast<unsigned>(n) / 64] |= std::uint64_t{1} << (n % 64);
        return set;
    }

    int size() const { return std::popcount(words_[0]) + std::popcount(words_[1]); }
    int shared(const NumberSet& other) const {
        return std::popcount(words_[0] & other.words_[0]) +
               std::popcount(words_[1] & other.words_[1]);
    }

  private:
    std::array<std::uint64_t, 2> words_{};
};

} // namespace numbrava
