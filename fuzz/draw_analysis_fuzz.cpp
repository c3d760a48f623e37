// Any history bytes through statistics, ball information, the optimizer and the history check;
// the fast line matcher agrees with counting pair by pair.
#include "analysis/ball_info.h"
#include "analysis/optimizer.h"
#include "analysis/stats_counts.h"
#include "analysis/stats_views.h"
#include "data/draw_history_file.h"
#include "fuzz_support.h"
#include "history/history_check.h"
#include "payouts/prize_matching.h"

#include <algorithm>

using namespace numbrava;
using namespace numbrava::fuzzing;

namespace {
// The draws' own numbers as lines, a few at most.
std::vector<EntryLine> linesOf(const std::vector<DrawRecord>& draws) {
    std::vector<EntryLine> lines;
    for (size_t i = 0; i < draws.size() && i < 40; ++i)
        lines.push_back({draws[i].balls, draws[i].bonus});
    return lines;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(QStringLiteral("pbk.rtl"), data, size);
    std::vector<DrawRecord> draws;
    if (!refusedUntouched(path, [&] { draws = DrawHistoryFile::readAllDraws(path); }))
        return 0;
    const int drawCount = static_cast<int>(draws.size());
    const QDate today(2026, 8, 8);
    for (const StatsViewInfo& view : statsViews()) {
        const StatsScope scope = statsScope(view.code, today);
        const DrawStatistics stats = countBalls(draws, scope, drawCount / 2);
        expect(static_cast<int>(stats.counts.size()) == scope.range, "a count for every ball");
        const std::vector<BallCount> ranked = rankBalls(stats.counts);
        expect(std::ranges::is_sorted(ranked, std::greater<>(), &BallCount::count),
               "ranked by count");
        for (int ball : {1, scope.range})
            expect(ballInformation(draws, scope, ball).timesDrawn ==
                       countBalls(draws, scope, 0).counts[static_cast<size_t>(ball - 1)],
                   "ball information counts as the statistics do");
    }
    const std::vector<EntryLine> lines = linesOf(draws);
    for (GameCode game : allGames()) {
        for (const EntryLine& line : optimizedLines(PairCounts(game, draws), today))
            expect(std::ranges::is_sorted(line.numbers) &&
                       std::ranges::adjacent_find(line.numbers) == line.numbers.end(),
                   "an optimized line has different numbers, ascending");
        // A few draws are enough to cross every page and total; all of them only cost time.
        const std::vector<DrawRecord> some(draws.begin(),
                                           draws.begin() + std::min<size_t>(draws.size(), 40));
        HistoryCheck check(game, lines, some, 200);
        check.checkAll();
        long long total = 0;
        for (int category = 1; category <= kPrizeCategories; ++category)
            total += check.total(category);
        expect(total <= static_cast<long long>(lines.size() * some.size()),
               "one win a line a draw");
    }
    // Lines of five different numbers take the matcher's fast path; any other takes all slow.
    std::vector<EntryLine> sets;
    std::ranges::copy_if(lines, std::back_inserter(sets), [](const EntryLine& line) {
        std::uint64_t seen = 0;
        for (auto n : line.numbers) {
            if (n < 0 || n > 63 || (seen >> n & 1))
                return false;
            seen |= std::uint64_t{1} << n;
        }
        return true;
    });
    const std::vector<EntryLine>* both[] = {&lines, &sets};
    for (const std::vector<EntryLine>* some : both) {
        const LineMatcher matcher(*some);
        for (size_t d = 0; d < draws.size() && d < 40; ++d) {
            const CheckDraw draw = CheckDraw::fromRecord(draws[d]);
            matcher.match(draw, [&](size_t i, int category) {
                expect(category == prizeCategoryOf((*some)[i], draw),
                       "the matcher counts as pairs do");
            });
        }
    }
    return 0;
}
