#include "cover_problem.h"

#include <bit>

namespace wheelgen {

namespace {
void collect(int n, int k, int from, Mask chosen, std::vector<Mask>& out) {
    if (k == 0) {
        out.push_back(chosen);
        return;
    }
    for (int i = from; i <= n - k; ++i)
        collect(n, k - 1, i + 1, static_cast<Mask>(chosen | (1u << i)), out);
}

bool covers(Mask line, Mask target, int m) {
    return std::popcount(unsigned(line & target)) >= m;
}
} // namespace

std::vector<Mask> subsetsOfSize(int n, int k) {
    std::vector<Mask> out;
    collect(n, k, 0, 0, out);
    return out;
}

CoverProblem::CoverProblem(const Guarantee& g)
    : g_(g), lines_(subsetsOfSize(g.n, 5)), targets_(subsetsOfSize(g.n, g.d)),
      covers_(lines_.size()), indexOf_(1u << 16, -1) {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        indexOf_[lines_[i]] = static_cast<int>(i);
        for (std::size_t t = 0; t < targets_.size(); ++t)
            if (covers(lines_[i], targets_[t], g.m))
                covers_[i].push_back(static_cast<int>(t));
    }
}

int uncoveredCount(const Guarantee& g, const std::vector<Mask>& lineSet) {
    int missing = 0;
    for (Mask target : subsetsOfSize(g.n, g.d)) {
        bool hit = false;
        for (Mask line : lineSet)
            hit = hit || covers(line, target, g.m);
        missing += hit ? 0 : 1;
    }
    return missing;
}

} // namespace wheelgen
