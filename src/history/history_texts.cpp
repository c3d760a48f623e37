#include "history/history_texts.h"

#include "data/dates.h"
#include "data/number_text.h"
#include "payouts/prize_category.h"

#include <array>

namespace numbrava {

namespace {
// Main numbers matched by category 1..9; the bonus is matched by the odd
// categories and by every one from 7 on.
constexpr std::array<int, kPrizeCategories> kMainMatched = {5, 5, 4, 4, 3, 3, 2, 1, 0};

QString categoryText(GameCode game, int category, const QString& beforeTag) {
    if (category < 1 || category > kPrizeCategories)
        return {};
    const int main = kMainMatched[static_cast<size_t>(category - 1)];
    const bool bonus = category % 2 == 1 || category >= 7;
    const QString tag = gameInfo(game).tag;
    if (main == 0)
        return QStringLiteral("Match ") + tag;
    const QString text = QStringLiteral("Match %1").arg(main);
    return bonus ? text + beforeTag + tag : text;
}

// Two digits for 0..9, anything else as written.
QString twoDigits(int n) {
    return n >= 0 && n < 10 ? QStringLiteral("0%1").arg(n) : QString::number(n);
}
} // namespace

QString historyTotalLabel(GameCode game, int category) {
    return categoryText(game, category, QStringLiteral(" + "));
}

QString historyCategoryText(GameCode game, int category) {
    return categoryText(game, category, QStringLiteral("+"));
}

QString printHistoryLine(GameCode game, const EntryLine& line, int category) {
    QString text;
    text.reserve(32);
    for (std::int16_t n : line.numbers)
        text += twoDigits(n) + QLatin1Char(' ');
    return text + twoDigits(line.bonus) + QLatin1Char(' ') + historyCategoryText(game, category);
}

QString historyDrawHeading(const DrawRecord& draw) {
    return twoDigits(draw.day) + QLatin1Char(' ') + monthAbbrev(draw.month) + QStringLiteral("  ") +
           QString::number(draw.year);
}

QString historyStatusLine(const QString& entryCountText, int drawCount) {
    return QStringLiteral("Check ") + entryCountText + QStringLiteral(" entries against ") +
           withLeadingBlank(drawCount) + QStringLiteral(" results.");
}

QString historyFullMessage() {
    return QStringLiteral(
        "Please note that not all the entries have been displayed in the list on the left. This "
        "is due to there being 131000 entries which is the limit. However the summary on the "
        "right has been completed. If you want details of the missing items you should change "
        "the your search dates.");
}

} // namespace numbrava
