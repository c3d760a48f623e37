#include "payouts/actual_payout_entry.h"

#include "data/dates.h"
#include "payouts/date_key.h"
#include "payouts/default_amounts_input.h"

#include <QFile>
#include <algorithm>
#include <limits>

namespace numbrava {

namespace {
const QString kNoTypeMessage =
    QStringLiteral("You must indicate whether the payout is confirmed or provisional");
const QString kReplaceQuestion = QStringLiteral(
    "You already have payouts entered for this date do you want to replace with the new data?");

QString dateKeyOf(const QDate& date) {
    return makedatekey(date.day(), date.month(), date.year());
}
} // namespace

PotAmount getpotrimed(const QString& text) {
    if (text == QLatin1String("0"))
        return {0.0, true};
    double value = 0.0;
    for (QChar c : text) {
        if (c == QLatin1Char('.'))
            break;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            value = value * 10 + (c.unicode() - '0');
    }
    return {value, false};
}

QString amountFormatMessage(int box) {
    static const char* const kOrdinals[] = {"first", "second",  "third",  "fourth", "fifth",
                                            "sixth", "seventh", "eighth", "ninth"};
    return QStringLiteral("The value you entered in the %1 box is not in the correct format")
        .arg(QLatin1String(kOrdinals[box - 1]));
}

std::variant<ActualAmounts, QString> actualAmountsFromText(const QStringList& boxes) {
    ActualAmounts amounts{};
    for (int box = 1; box <= kPrizeCategories; ++box) {
        const PotAmount pot = getpotrimed(boxes.value(box - 1).trimmed());
        // Past the int32 field the file could not hold the prize.
        if ((pot.value == 0.0 && !pot.literalZero) ||
            pot.value > std::numeric_limits<std::int32_t>::max())
            return amountFormatMessage(box);
        amounts[static_cast<size_t>(box - 1)] = static_cast<std::int32_t>(pot.value);
    }
    return amounts;
}

std::optional<QString> addActualPayout(const QString& folder, const ActualPayoutEntry& entry,
                                       const std::function<bool(const QString&)>& confirmReplace) {
    if (entry.boxes.size() != kPrizeCategories ||
        std::any_of(entry.boxes.begin(), entry.boxes.end(),
                    [](const QString& box) { return box.isEmpty(); }))
        return missingAmountMessage();
    if (!entry.confirmed)
        return kNoTypeMessage;
    if (!isDrawDay(entry.game, entry.drawDate))
        return payoutNotDrawDayRefusal(entry.game, entry.drawDate);

    const QString path = actualPayoutFilePath(folder, entry.game);
    const QString key = dateKeyOf(entry.drawDate);
    if (ActualPayoutFile::findRecord(path, key) != 0 && !confirmReplace(kReplaceQuestion))
        return std::nullopt;

    const auto amounts = actualAmountsFromText(entry.boxes);
    if (const auto* refusal = std::get_if<QString>(&amounts))
        return *refusal;
    PayoutTable table;
    table.dateKey = key;
    table.confirmed = *entry.confirmed ? -1 : 0;
    for (int category = 1; category <= kPrizeCategories; ++category)
        table.setAmount(category,
                        std::get<ActualAmounts>(amounts)[static_cast<size_t>(category - 1)]);
    // Replaces the date's record in place, or appends it and raises the count last.
    ActualPayoutFile::storeTable(path, table);
    return QStringLiteral("Done");
}

std::optional<PayoutTable> storedActualTable(const QString& folder, GameCode game,
                                             const QDate& drawDate) {
    return ActualPayoutFile::findTable(actualPayoutFilePath(folder, game), dateKeyOf(drawDate));
}

std::variant<DefaultAmounts, QString> defaultsForActualTable(const QString& folder, GameCode game) {
    const QString path = defaultPayoutFilePath(folder, game);
    if (!QFile::exists(path))
        return QStringLiteral(
            "You need to set up the default payments first - use Change Defaults");
    return DefaultPayoutFile::readAmounts(path);
}

} // namespace numbrava
