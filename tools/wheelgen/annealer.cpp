#include "annealer.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>

namespace wheelgen {

namespace {

// The running state of one restart: the chosen lines and, per d-set, how many
// of them cover it, with the uncovered d-sets kept in a list to draw from.
class CoverState {
  public:
    CoverState(const CoverProblem& p, int lineCount, std::mt19937_64& rng)
        : p_(p), count_(p.targetCount(), 0), where_(p.targetCount(), -1),
          used_(p.lines().size(), 0) {
        for (int t = 0; t < p.targetCount(); ++t)
            markUncovered(t);
        std::uniform_int_distribution<int> pick(0, static_cast<int>(p.lines().size()) - 1);
        while (static_cast<int>(chosen_.size()) < lineCount) {
            const int line = pick(rng);
            if (!used_[line]) {
                chosen_.push_back(line);
                add(line);
            }
        }
    }

    int uncovered() const { return static_cast<int>(uncovered_.size()); }
    int uncoveredAt(int i) const { return uncovered_[i]; }
    const std::vector<int>& chosen() const { return chosen_; }
    bool inUse(int line) const { return used_[line] != 0; }

    void replace(int slot, int line) {
        remove(chosen_[slot]);
        chosen_[slot] = line;
        add(line);
    }

  private:
    void add(int line) {
        used_[line] = 1;
        for (int t : p_.coveredBy(line))
            if (count_[t]++ == 0)
                markCovered(t);
    }
    void remove(int line) {
        used_[line] = 0;
        for (int t : p_.coveredBy(line))
            if (--count_[t] == 0)
                markUncovered(t);
    }
    void markUncovered(int t) {
        where_[t] = static_cast<int>(uncovered_.size());
        uncovered_.push_back(t);
    }
    void markCovered(int t) {
        const int last = uncovered_.back();
        uncovered_[where_[t]] = last;
        where_[last] = where_[t];
        uncovered_.pop_back();
        where_[t] = -1;
    }

    const CoverProblem& p_;
    std::vector<int> chosen_;
    std::vector<int> count_;
    std::vector<int> where_;
    std::vector<int> uncovered_;
    std::vector<char> used_;
};

struct Move {
    int slot = -1;
    Mask line = 0;
};

int randomMember(Mask set, std::mt19937_64& rng) {
    const int size = std::popcount(unsigned(set));
    int k = std::uniform_int_distribution<int>(0, size - 1)(rng);
    for (int bit = 0; bit < 16; ++bit)
        if ((set >> bit) & 1u)
            if (k-- == 0)
                return bit;
    return -1;
}

// A one-number change of one line that makes the d-set `target` covered,
// drawn uniformly among all such changes; a random change when none exists.
Move proposeMove(const CoverProblem& p, const CoverState& s, Mask target, std::mt19937_64& rng) {
    const int m = p.guarantee().m;
    const Mask all = static_cast<Mask>((1u << p.guarantee().n) - 1);
    Move pickedMove;
    long seen = 0;
    const auto& chosen = s.chosen();
    for (int slot = 0; slot < static_cast<int>(chosen.size()); ++slot) {
        const Mask line = p.lines()[chosen[slot]];
        if (std::popcount(unsigned(line & target)) != m - 1)
            continue;
        const Mask outs = static_cast<Mask>(line & ~target);
        const Mask ins = static_cast<Mask>(target & ~line);
        const long options = std::popcount(unsigned(outs)) * std::popcount(unsigned(ins));
        seen += options;
        if (options > 0 && std::uniform_int_distribution<long>(1, seen)(rng) <= options) {
            const int out = randomMember(outs, rng);
            const int in = randomMember(ins, rng);
            pickedMove = {slot, static_cast<Mask>((line & ~(1u << out)) | (1u << in))};
        }
    }
    if (pickedMove.slot >= 0)
        return pickedMove;
    const int slot =
        std::uniform_int_distribution<int>(0, static_cast<int>(chosen.size()) - 1)(rng);
    const Mask line = p.lines()[chosen[slot]];
    const int out = randomMember(line, rng);
    const int in = randomMember(static_cast<Mask>(all & ~line), rng);
    return {slot, static_cast<Mask>((line & ~(1u << out)) | (1u << in))};
}

std::vector<Mask> masksOf(const CoverProblem& p, const std::vector<int>& chosen) {
    std::vector<Mask> out;
    for (int line : chosen)
        out.push_back(p.lines()[line]);
    return out;
}

} // namespace

AnnealResult anneal(const CoverProblem& problem, int lineCount, const AnnealSettings& settings) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };

    AnnealResult result;
    result.bestUncovered = problem.targetCount();
    for (int restart = 0; elapsed() < settings.secondsLimit; ++restart) {
        const std::uint64_t seed = settings.seed + restart;
        std::mt19937_64 rng(seed);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        CoverState state(problem, lineCount, rng);
        double temperature = settings.startTemperature;
        result.restarts = restart + 1;
        for (long move = 1; move <= settings.movesPerRestart; ++move) {
            if (state.uncovered() == 0) {
                result.lines = masksOf(problem, state.chosen());
                result.seed = seed;
                result.bestUncovered = 0;
                return result;
            }
            if (move % settings.movesPerTemperature == 0)
                temperature *= settings.cooling;
            const int pick = std::uniform_int_distribution<int>(0, state.uncovered() - 1)(rng);
            const Mask target = problem.targets()[state.uncoveredAt(pick)];
            const Move change = proposeMove(problem, state, target, rng);
            const int newLine = problem.lineIndex(change.line);
            if (state.inUse(newLine))
                continue;
            const int before = state.uncovered();
            const int oldLine = state.chosen()[change.slot];
            state.replace(change.slot, newLine);
            const int delta = state.uncovered() - before;
            if (delta > 0 && unit(rng) >= std::exp(-delta / temperature))
                state.replace(change.slot, oldLine);
        }
        if (state.uncovered() < result.bestUncovered)
            result.bestUncovered = state.uncovered();
        if (settings.verbose)
            std::fprintf(stderr, "restart %d (seed %llu): %d uncovered, best %d, %.1fs\n", restart,
                         static_cast<unsigned long long>(seed), state.uncovered(),
                         result.bestUncovered, elapsed());
    }
    return result;
}

} // namespace wheelgen
