#include "payouts/default_amounts_input.h"

#include "data/number_text.h"

#include <optional>

namespace numbrava {

namespace {
const QString kFormatMessage =
    QStringLiteral("One or more of the values you entered is not in the correct format");

// A prize is a whole number of dollars from 1 up to what an int32 field holds.
// Text without a leading number reads as 0 and is refused; so is an amount
// that rounds to 0 or below, since a default table whose first amount is not
// positive counts as no table at all and would be thrown away by the next check.
std::optional<std::int32_t> prizeAmount(const QString& text) {
    if (leadingNumber(text) == 0.0)
        return std::nullopt;
    const std::optional<std::int32_t> amount = wholeNumber32FromText(text);
    if (!amount || *amount < 1)
        return std::nullopt;
    return amount;
}
} // namespace

std::variant<DefaultAmounts, QString> defaultAmountsFromText(const QStringList& boxes) {
    DefaultAmounts amounts{};
    if (boxes.size() != static_cast<qsizetype>(amounts.size()))
        return missingAmountMessage();
    for (const QString& box : boxes)
        if (box.isEmpty())
            return missingAmountMessage();
    for (size_t i = 0; i < amounts.size(); ++i) {
        const std::optional<std::int32_t> amount = prizeAmount(boxes[static_cast<qsizetype>(i)]);
        if (!amount)
            return kFormatMessage;
        amounts[i] = *amount;
    }
    return amounts;
}

QString missingAmountMessage() {
    return QStringLiteral("You must add amounts for each of the payouts!");
}

QString defaultAmountText(std::int32_t amount) {
    return QString::number(amount);
}

} // namespace numbrava
