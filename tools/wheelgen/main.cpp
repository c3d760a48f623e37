// wheelgen: builds and checks the wheel definition files (*.whl).
//
//   wheelgen full N FILE                 every five-number line of 1..N
//   wheelgen search D M N LINES FILE [options]
//       searches for LINES distinct lines such that every D numbers of 1..N
//       share at least M with some line; writes FILE only when it succeeds
//       options: --seed S --seconds T --moves K --per-temp K --temp T
//                --cooling C --verbose
//   wheelgen verify D M N LINES FILE     checks a file: its line count,
//       distinct lines and the guarantee; exit status 0 when it holds
#include "annealer.h"
#include "cover_problem.h"
#include "whl_text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace wheelgen;

namespace {

int usage() {
    std::fprintf(stderr, "usage: wheelgen full N FILE\n"
                         "       wheelgen search D M N LINES FILE [--seed S] [--seconds T]\n"
                         "                [--moves K] [--per-temp K] [--temp T] [--cooling C]"
                         " [--verbose]\n"
                         "       wheelgen verify D M N LINES FILE\n");
    return 2;
}

bool validGuarantee(const Guarantee& g) {
    return g.n >= 5 && g.n <= 15 && g.d >= 1 && g.d <= g.n && g.m >= 1 && g.m <= std::min(5, g.d);
}

int runFull(int n, const std::string& file) {
    if (n < 5 || n > 15)
        return usage();
    return writeWheelFile(file, subsetsOfSize(n, 5)) ? 0 : 1;
}

bool readOption(int argc, char** argv, int& i, AnnealSettings& s) {
    const std::string name = argv[i];
    if (name == "--verbose") {
        s.verbose = true;
        return true;
    }
    if (i + 1 >= argc)
        return false;
    const char* value = argv[++i];
    if (name == "--seed")
        s.seed = std::strtoull(value, nullptr, 10);
    else if (name == "--seconds")
        s.secondsLimit = std::atof(value);
    else if (name == "--moves")
        s.movesPerRestart = std::atol(value);
    else if (name == "--per-temp")
        s.movesPerTemperature = std::atol(value);
    else if (name == "--temp")
        s.startTemperature = std::atof(value);
    else if (name == "--cooling")
        s.cooling = std::atof(value);
    else
        return false;
    return true;
}

int runSearch(const Guarantee& g, int lineCount, const std::string& file,
              const AnnealSettings& settings) {
    const CoverProblem problem(g);
    const AnnealResult result = anneal(problem, lineCount, settings);
    if (result.lines.empty()) {
        std::fprintf(stderr,
                     "%d-%d-%d over %d with %d lines: not found after %d restarts "
                     "(best left %d uncovered)\n",
                     5, g.d, g.m, g.n, lineCount, result.restarts, result.bestUncovered);
        return 1;
    }
    if (uncoveredCount(g, result.lines) != 0 || !writeWheelFile(file, result.lines))
        return 1;
    std::printf("%s: found with seed %llu after %d restarts\n", file.c_str(),
                static_cast<unsigned long long>(result.seed), result.restarts);
    return 0;
}

int runVerify(const Guarantee& g, int lineCount, const std::string& file) {
    auto lines = readWheelFile(file, g.n);
    if (!lines) {
        std::fprintf(stderr, "%s: unreadable or badly formed\n", file.c_str());
        return 1;
    }
    const int count = static_cast<int>(lines->size());
    std::sort(lines->begin(), lines->end());
    const bool distinct = std::adjacent_find(lines->begin(), lines->end()) == lines->end();
    const int missing = uncoveredCount(g, *lines);
    std::printf("%s: %d lines (want %d), %s, %d uncovered\n", file.c_str(), count, lineCount,
                distinct ? "distinct" : "REPEATED LINES", missing);
    return count == lineCount && distinct && missing == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usage();
    const std::string mode = argv[1];
    if (mode == "full" && argc == 4)
        return runFull(std::atoi(argv[2]), argv[3]);
    if ((mode != "search" && mode != "verify") || argc < 7)
        return usage();
    const Guarantee g{std::atoi(argv[4]), std::atoi(argv[2]), std::atoi(argv[3])};
    const int lineCount = std::atoi(argv[5]);
    if (!validGuarantee(g) || lineCount < 1)
        return usage();
    if (mode == "verify")
        return argc == 7 ? runVerify(g, lineCount, argv[6]) : usage();
    AnnealSettings settings;
    for (int i = 7; i < argc; ++i)
        if (!readOption(argc, argv, i, settings))
            return usage();
    return runSearch(g, lineCount, argv[6], settings);
}
