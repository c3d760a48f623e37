#pragma once

#include "data/game.h"
#include "payouts/payout_files.h"
#include "payouts/payout_table.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <variant>

namespace numbrava {

// What the amount text rule makes of a box's trimmed text.
struct PotAmount {
    double value = 0.0;
    // True only for the text "0": the one way a prize of 0 is accepted.
    bool literalZero = false;
};

// The amount text rule: "0" is a literal zero; otherwise the cents after the
// first "." are dropped and every character that is not a digit is skipped,
// so "$1,234,567" reads 1234567 and "abc" reads 0.
PotAmount getpotrimed(const QString& text);

using ActualAmounts = std::array<std::int32_t, kPrizeCategories>;

// "The value you entered in the first box is not in the correct format", ...
// for boxes 1 to 9.
QString amountFormatMessage(int box);

// Reads the nine boxes (jackpot first), each trimmed. The first box that reads
// 0 without being a literal zero, or that holds more than an int32 field can
// store, gives its format message.
std::variant<ActualAmounts, QString> actualAmountsFromText(const QStringList& boxes);

// What "Add Payout" is given from the screen.
struct ActualPayoutEntry {
    GameCode game = Powerball;
    QDate drawDate;
    QStringList boxes; // Text1..Text9 as typed
    // Confirmed or provisional; nothing while neither is chosen.
    std::optional<bool> confirmed;
};

// "Add Payout": the checks in their order, then the store. confirmReplace is
// asked (with the question's text) when the date already has a table; No
// ends it with nothing written. Gives the message to show, "Done" after a
// store, or nothing when the user said No. Throws FileError when the payout
// file cannot be read or written.
std::optional<QString> addActualPayout(const QString& folder, const ActualPayoutEntry& entry,
                                       const std::function<bool(const QString&)>& confirmReplace);

// The table stored for a draw date, if any (throws FileError).
std::optional<PayoutTable> storedActualTable(const QString& folder, GameCode game,
                                             const QDate& drawDate);

// "Add Defaults": the eight default amounts, or the message that there are
// none yet when the game's default file does not exist (throws FileError).
std::variant<DefaultAmounts, QString> defaultsForActualTable(const QString& folder, GameCode game);

} // namespace numbrava
