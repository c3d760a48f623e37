#pragma once

#include <cstdint>
#include <vector>

namespace wheelgen {

// Numbers 1..n are bits 0..n-1 of a mask; n is at most 15.
using Mask = std::uint16_t;

// A wheel guarantee over n numbers: every d-set of the numbers must share at
// least m numbers with some five-number line.
struct Guarantee {
    int n = 0;
    int d = 0;
    int m = 0;
};

// Every k-subset of 0..n-1 in lexicographic order of its sorted members.
std::vector<Mask> subsetsOfSize(int n, int k);

// The search space of one guarantee: candidate lines, the d-sets to cover,
// and which d-sets each line covers.
class CoverProblem {
  public:
    explicit CoverProblem(const Guarantee& g);

    const Guarantee& guarantee() const { return g_; }
    const std::vector<Mask>& lines() const { return lines_; }
    const std::vector<Mask>& targets() const { return targets_; }
    int targetCount() const { return static_cast<int>(targets_.size()); }
    const std::vector<int>& coveredBy(int line) const { return covers_[line]; }
    // Index of a five-number mask in lines(), or -1.
    int lineIndex(Mask mask) const { return indexOf_[mask]; }

  private:
    Guarantee g_;
    std::vector<Mask> lines_;
    std::vector<Mask> targets_;
    std::vector<std::vector<int>> covers_;
    std::vector<int> indexOf_;
};

// How many d-sets no line of the set covers (0 means the guarantee holds).
int uncoveredCount(const Guarantee& g, const std::vector<Mask>& lineSet);

} // namespace wheelgen
