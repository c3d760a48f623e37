#include "main/draw_check.h"

#include "data/entry_file.h"
#include "data/main_number_range.h"
#include "data/number_text.h"

namespace numbrava {

QString winningLabel(GameCode game, int category) {
    const QString tag = gameInfo(game).tag;
    switch (category) {
    case 1:
        return QStringLiteral("(5+%1)").arg(tag);
    case 2:
        return QStringLiteral("(5)");
    case 3:
        return QStringLiteral("(4+%1)").arg(tag);
    case 4:
        return QStringLiteral("(4)");
    case 5:
        return QStringLiteral("(3+%1)").arg(tag);
    case 6:
        return QStringLiteral("(3)");
    case 7:
        return QStringLiteral("(2+%1)").arg(tag);
    case 8:
        return QStringLiteral("(1+%1)").arg(tag);
    case 9:
        return QStringLiteral("(%1)").arg(tag);
    default:
        return {};
    }
}

QString winningLineText(GameCode game, const EntryLine& line, int category) {
    return entryDisplayLine(game, line) + QLatin1Char(' ') + winningLabel(game, category);
}

CheckResult checkLines(GameCode game, const std::vector<EntryLine>& lines, const CheckDraw& draw,
                       const PayoutTable& amounts) {
    CheckResult result;
    LineMatcher(lines).match(draw, [&](size_t j, int category) {
        if (category == 0)
            return;
        result.total += amounts.amount(category).value_or(0);
        if (category == 1)
            ++result.jackpotLines;
        result.winners.push_back(
            {static_cast<int>(j), category, winningLineText(game, lines[j], category)});
    });
    return result;
}

CheckResult checkEntryFile(const QString& entryFile, GameCode game, const CheckDraw& draw,
                           const PayoutTable& amounts) {
    const std::vector<EntryLine> lines = EntryFile::readLines(entryFile);
    requireLinesInRange(game, lines, entryFile);
    return checkLines(game, lines, draw, amounts);
}

QString checkReport(const CheckResult& result, const PayoutLookUp& payouts) {
    if (result.winners.empty())
        return QStringLiteral("No wins this time!");
    const QString won = QStringLiteral("Won $") + asWritten(result.total);
    if (payouts.defaultUsed) {
        if (result.jackpotWon())
            return won + QStringLiteral(" using default payout data. This does not include your "
                                        "Jackpot win !!!!");
        return won + QStringLiteral(" using default payout data.");
    }
    if (payouts.confirmed())
        return won + QStringLiteral(" using confirmed payout data.");
    return won + QStringLiteral(" using unconfirmed payout data.");
}

} // namespace numbrava
