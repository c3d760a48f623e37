// The history check at full size: 2,500 lines against 32,767 draws, beside a
// bare bit-mask kernel doing the same totals so the two can be compared in
// one run, and the filling of the four result pages.
#include "history/history_check.h"
#include "history/line_page_model.h"

#include <QApplication>
#include <QListView>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <bit>
#include <random>

using namespace numbrava;

namespace {
std::array<std::int16_t, 5> distinctNumbers(std::mt19937& random, int max) {
    std::array<std::int16_t, 5> n{};
    std::uniform_int_distribution<int> pick(1, max);
    for (size_t k = 0; k < n.size(); ++k) {
        bool again = true;
        while (again) {
            n[k] = static_cast<std::int16_t>(pick(random));
            again = std::find(n.begin(), n.begin() + static_cast<std::ptrdiff_t>(k), n[k]) !=
                    n.begin() + static_cast<std::ptrdiff_t>(k);
        }
    }
    return n;
}

std::vector<EntryLine> someLines(int count, GameCode game = Powerball) {
    const GameInfo& info = gameInfo(game);
    std::mt19937 random(1);
    std::vector<EntryLine> lines(static_cast<size_t>(count));
    for (EntryLine& line : lines)
        line = {distinctNumbers(random, info.mainMax),
                static_cast<std::int16_t>(random() % static_cast<unsigned>(info.bonusMax) + 1)};
    return lines;
}

std::vector<DrawRecord> someDraws(int count, GameCode game = Powerball) {
    const GameInfo& info = gameInfo(game);
    std::mt19937 random(2);
    std::vector<DrawRecord> draws(static_cast<size_t>(count));
    for (size_t i = 0; i < draws.size(); ++i) {
        DrawRecord& d = draws[i];
        d.day = static_cast<std::int16_t>(1 + i % 28);
        d.month = static_cast<std::int16_t>(1 + i / 28 % 12);
        d.year = static_cast<std::int16_t>(1700 + i / 336);
        d.balls = distinctNumbers(random, info.mainMax);
        d.bonus = static_cast<std::int16_t>(random() % static_cast<unsigned>(info.bonusMax) + 1);
    }
    return draws;
}

std::uint64_t maskOf(const std::array<std::int16_t, 5>& numbers) {
    std::uint64_t mask = 0;
    for (std::int16_t n : numbers)
        mask |= std::uint64_t{1} << n;
    return mask;
}

// The program's run: matching, totals and the listing of the pages.
void runHistoryCheck(benchmark::State& state, GameCode game) {
    const std::vector<EntryLine> lines = someLines(static_cast<int>(state.range(0)), game);
    const std::vector<DrawRecord> draws = someDraws(static_cast<int>(state.range(1)), game);
    long long wins = 0;
    for (auto _ : state) {
        HistoryCheck run(game, lines, draws);
        run.checkAll();
        wins = 0;
        for (int c = 1; c <= kPrizeCategories; ++c)
            wins += run.total(c);
        benchmark::DoNotOptimize(wins);
    }
    state.counters["wins"] = static_cast<double>(wins);
}

void historyCheck(benchmark::State& state) {
    runHistoryCheck(state, Powerball);
}
BENCHMARK(historyCheck)->Args({2500, 302})->Args({2500, 32767})->Unit(benchmark::kMillisecond);

// Today's 5/70 game: numbers past 63 stay on the masks' path, so this keeps
// within 2.5 times the kernel below.
void historyCheck70(benchmark::State& state) {
    runHistoryCheck(state, MegaMillions70);
}
BENCHMARK(historyCheck70)->Args({2500, 32767})->Unit(benchmark::kMillisecond);

// The floor: lines and draws already masks, matches by popcount, the bonus
// compared, counts by main matches and bonus.
void bitMaskKernel(benchmark::State& state) {
    std::vector<std::uint64_t> lineMasks;
    std::vector<std::int16_t> lineBonus;
    for (const EntryLine& line : someLines(static_cast<int>(state.range(0)))) {
        lineMasks.push_back(maskOf(line.numbers));
        lineBonus.push_back(line.bonus);
    }
    std::vector<std::uint64_t> drawMasks;
    std::vector<std::int16_t> drawBonus;
    for (const DrawRecord& d : someDraws(static_cast<int>(state.range(1)))) {
        drawMasks.push_back(maskOf(d.balls));
        drawBonus.push_back(d.bonus);
    }
    for (auto _ : state) {
        std::array<std::array<long long, 2>, 6> counts{};
        for (size_t d = 0; d < drawMasks.size(); ++d)
            for (size_t i = 0; i < lineMasks.size(); ++i)
                ++counts[static_cast<size_t>(std::popcount(lineMasks[i] & drawMasks[d]))]
                        [lineBonus[i] == drawBonus[d] ? 1 : 0];
        benchmark::DoNotOptimize(counts);
    }
}
BENCHMARK(bitMaskKernel)->Args({2500, 32767})->Unit(benchmark::kMillisecond);

QApplication& application() {
    static int argc = 1;
    static char name[] = "numbrava_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// Building the four full pages (130,920 lines) into their list views, with
// the shown page laid out.
void historyPages(benchmark::State& state) {
    application();
    const int limit = kHistoryPageLimit;
    HistoryPages pages(limit);
    while (pages.countLine())
        pages.append(QStringLiteral("01 02 03 04 05 07 Match 3+PB"));
    std::array<LinePageModel, HistoryPages::kPageCount> models;
    std::array<QListView, HistoryPages::kPageCount> views;
    for (size_t p = 0; p < views.size(); ++p) {
        views[p].setUniformItemSizes(true);
        views[p].setModel(&models[p]);
    }
    views[0].show();
    for (auto _ : state) {
        for (size_t p = 0; p < models.size(); ++p) {
            models[p].clear();
            models[p].catchUp(pages.page(static_cast<int>(p)));
        }
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(views[0].sizeHintForRow(0));
    }
    state.counters["lines"] = static_cast<double>(HistoryPages::kPageCount) * limit;
}
BENCHMARK(historyPages)->Unit(benchmark::kMillisecond);
} // namespace
