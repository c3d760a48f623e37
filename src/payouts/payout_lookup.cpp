#include "payouts/payout_lookup.h"

#include "data/file_error.h"
#include "data/file_journal.h"
#include "payouts/date_key.h"
#include "payouts/payout_files.h"

#include <QFile>

namespace numbrava {

namespace {
void takeActualTable(PayoutLookUp& result, const QString& path, const QString& key) {
    try {
        if (auto table = ActualPayoutFile::findTable(path, key)) {
            result.table = *table;
            result.actualFound = true;
        }
    } catch (const FileError& error) {
        result.problems << error.message();
    }
}

void takeDefaultTable(PayoutLookUp& result, const QString& path) {
    try {
        if (auto table = DefaultPayoutFile::readTable(path)) {
            result.table = *table;
            result.defaultUsed = true;
            return;
        }
    } catch (const FileError& error) {
        // Unreadable is not the same as empty: the file stays.
        result.problems << error.message();
        return;
    }
    // No defaults in it (this is also what a file just created reads as).
    // Removing it may fail on a read-only folder; that changes nothing here.
    const FileHousekeeping upkeep(path);
    QFile::remove(path);
}
} // namespace

PayoutLookUp lookUpPayouts(const QString& folder, GameCode game, int day, int month, int year) {
    PayoutLookUp result;
    takeActualTable(result, actualPayoutFilePath(folder, game), makedatekey(day, month, year));
    if (!result.actualFound)
        takeDefaultTable(result, defaultPayoutFilePath(folder, game));
    return result;
}

} // namespace numbrava
