#include "wheels/wheel_proposal.h"

#include <algorithm>

namespace numbrava {

std::vector<int> mostDrawnNumbers(const std::vector<DrawRecord>& draws, int mainMax) {
    std::vector<int> counts(static_cast<size_t>(mainMax) + 1, 0);
    for (const DrawRecord& draw : draws)
        for (const std::int16_t ball : draw.balls)
            if (ball >= 1 && ball <= mainMax)
                ++counts[static_cast<size_t>(ball)];
    std::vector<int> ranked;
    for (int n = 1; n <= mainMax; ++n)
        if (counts[static_cast<size_t>(n)] > 0)
            ranked.push_back(n);
    // Stable, so equally frequent numbers keep their ascending order.
    std::stable_sort(ranked.begin(), ranked.end(), [&](int a, int b) {
        return counts[static_cast<size_t>(a)] > counts[static_cast<size_t>(b)];
    });
    if (ranked.size() > static_cast<size_t>(kWheelBoxCount))
        ranked.resize(kWheelBoxCount);
    return ranked;
}

void fillWithRandomNumbers(std::vector<int>& numbers, int mainMax, RandomSource& random) {
    auto held = [&](int n) {
        return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
    };
    auto numberNotHeld = [&] {
        // A generator that keeps repeating itself must not hang the screen:
        // after this many tries the smallest number not yet held is taken.
        constexpr int kTries = 1000;
        for (int tries = 0; tries < kTries; ++tries) {
            const int n = static_cast<int>(mainMax * random.next()) + 1;
            if (!held(n))
                return n;
        }
        int n = 1;
        while (held(n))
            ++n;
        return n;
    };
    while (numbers.size() < static_cast<size_t>(std::min(kWheelBoxCount, mainMax)))
        numbers.push_back(numberNotHeld());
}

} // namespace numbrava
