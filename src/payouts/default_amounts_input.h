#pragma once

#include "payouts/payout_files.h"

#include <QString>
#include <QStringList>
#include <variant>

namespace numbrava {

// Reads the eight typed default amounts (categories 2 to 9). Each box is read
// by its leading number and rounded to whole dollars, halves to even. Gives
// the amounts, or the one message that refuses them.
std::variant<DefaultAmounts, QString> defaultAmountsFromText(const QStringList& boxes);

// "You must add amounts for each of the payouts!": a payout box left empty.
QString missingAmountMessage();

// How a stored amount is shown in its box.
QString defaultAmountText(std::int32_t amount);

} // namespace numbrava
