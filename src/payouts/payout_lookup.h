#pragma once

#include "data/game.h"
#include "payouts/payout_table.h"

#include <QStringList>

namespace numbrava {

// Which prize table a check of one draw date uses, and what it found.
struct PayoutLookUp {
    // The amounts of the table used; all absent when there is none.
    PayoutTable table;
    bool actualFound = false;
    bool defaultUsed = false;
    // Problems met on the way, one message each, naming the file. A file
    // that could not be read counts as holding nothing.
    QStringList problems;

    bool confirmed() const { return actualFound && table.isConfirmed(); }
};

// The actual table of the draw date when there is one (the last record with
// its key), otherwise the default table. A default file that holds no
// defaults is deleted; a missing actual payout file is created empty.
PayoutLookUp lookUpPayouts(const QString& folder, GameCode game, int day, int month, int year);

} // namespace numbrava
