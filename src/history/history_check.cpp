#include "history/history_check.h"

#include "history/history_texts.h"

namespace numbrava {

namespace {
long long keyOf(const DrawRecord& draw) {
    return historyDateKey(draw.year, draw.month, draw.day);
}
} // namespace

DrawPeriod drawPeriod(const std::vector<DrawRecord>& draws, long long startKey, long long endKey) {
    DrawPeriod period{draws.size(), draws.size()};
    for (size_t i = 0; i < draws.size(); ++i)
        if (keyOf(draws[i]) >= startKey) {
            period.first = i;
            break;
        }
    for (size_t i = 0; i < draws.size(); ++i)
        if (keyOf(draws[i]) > endKey) {
            period.end = i;
            break;
        }
    return period;
}

HistoryCheck::HistoryCheck(GameCode game, std::vector<EntryLine> lines,
                           std::vector<DrawRecord> draws, int pageLimit)
    : game_(game), lines_(std::move(lines)), draws_(std::move(draws)), pages_(pageLimit) {}

void HistoryCheck::checkNextDraw() {
    if (finished())
        return;
    const DrawRecord& draw = draws_[next_++];
    if (pages_.countLine())
        pages_.append(historyDrawHeading(draw));
    lines_.match(CheckDraw::fromRecord(draw), [this](size_t index, int category) {
        ++totals_[static_cast<size_t>(category)];
        if (category != 0 && pages_.countLine())
            pages_.append(printHistoryLine(game_, lines_.line(index), category));
    });
}

void HistoryCheck::checkAll() {
    while (!finished())
        checkNextDraw();
}

} // namespace numbrava
