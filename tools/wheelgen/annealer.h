#pragma once

#include "cover_problem.h"

#include <cstdint>
#include <vector>

namespace wheelgen {

struct AnnealSettings {
    std::uint64_t seed = 1;
    double startTemperature = 1.0;
    double cooling = 0.99;
    long movesPerTemperature = 2000;
    long movesPerRestart = 4'000'000;
    double secondsLimit = 60.0;
    bool verbose = false;
};

struct AnnealResult {
    std::vector<Mask> lines; // empty when no cover was found
    std::uint64_t seed = 0;  // the restart seed that found it
    int restarts = 0;
    int bestUncovered = 0;
};

// Simulated annealing over sets of exactly `lineCount` distinct lines that
// minimises the number of uncovered d-sets. Each restart starts from a random
// set drawn from its own seed (settings.seed, seed + 1, ...), so a found
// cover can be reproduced from the seed it reports.
AnnealResult anneal(const CoverProblem& problem, int lineCount, const AnnealSettings& settings);

} // namespace wheelgen
