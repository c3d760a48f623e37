#pragma once

#include "data/game.h"
#include "payouts/payout_table.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace numbrava {

// Defaults.rtl / MMDefaults.rtl: one 32-byte record of eight int32 amounts,
// categories 2 to 9. The jackpot has no default.
constexpr int kDefaultPayoutRecordSize = 32;
using DefaultAmounts = std::array<std::int32_t, 8>;

// USRES.rtl / USMMRES.rtl: one 49-byte record per draw date, in the order the
// dates were first stored; record 1 also holds the count.
constexpr int kActualPayoutRecordSize = 49;
constexpr int kDateKeySize = 9;

QString defaultPayoutFilePath(const QString& folder, GameCode game);
QString actualPayoutFilePath(const QString& folder, GameCode game);

namespace DefaultPayoutFile {

// The eight stored amounts as they are (zeros for a missing or empty file,
// which is created empty).
DefaultAmounts readAmounts(const QString& path);
// A table whose category 2 amount is 0 or less holds no defaults.
bool hasDefaults(const DefaultAmounts& amounts);
// The table of categories 2 to 9, category 1 left empty; nothing when the
// file holds no defaults.
std::optional<PayoutTable> readTable(const QString& path);
// Writes record 1 whole.
void writeAmounts(const QString& path, const DefaultAmounts& amounts);

} // namespace DefaultPayoutFile

// One record of an actual payout file, field by field.
struct ActualPayoutRecord {
    QByteArray dateKey = QByteArray(kDateKeySize, ' ');
    std::int16_t confirmed = 0;
    // Meaningful in record 1 only: the number of tables in the file.
    std::int16_t count = 0;
    std::array<std::int32_t, kPrizeCategories> amounts{};

    static ActualPayoutRecord fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;
};

// The nine single-byte characters a key is stored as (blank-padded).
QByteArray storedDateKey(const QString& key);

namespace ActualPayoutFile {

// The count of record 1, checked against what the file can hold; a file that
// claims more tables than it holds throws DamagedFileError naming the file.
int countTables(const QString& path);
// Number of the record carrying the key; when several do, the last one.
// 0 when none does.
int findRecord(const QString& path, const QString& key);
std::optional<PayoutTable> findTable(const QString& path, const QString& key);

struct StoreResult {
    int record = 0;
    bool replaced = false;
};
// Replaces the table of the table's date key, or appends it after the last
// one and raises the count. Absent amounts are stored as 0.
StoreResult storeTable(const QString& path, const PayoutTable& table);

} // namespace ActualPayoutFile

} // namespace numbrava
