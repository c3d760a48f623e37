// USRES.rtl: count, look-up and store keep the count consistent.
#include "fuzz_support.h"
#include "payouts/payout_files.h"

using namespace numbrava;
using namespace numbrava::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(QStringLiteral("USRES.rtl"), data, size);
    const QString key = QStringLiteral("05JUL2003");
    int n = -1;
    if (!refusedUntouched(path, [&] { n = ActualPayoutFile::countTables(path); }))
        return 0;
    expect(validCount(n), "a count within 0..32767");
    int found = 0;
    refusedUntouched(path, [&] { found = ActualPayoutFile::findRecord(path, key); });
    expect(found >= 0 && found <= n, "a found table is a counted one");

    PayoutTable table;
    table.dateKey = key;
    table.confirmed = -1;
    table.setAmount(2, 175000);
    ActualPayoutFile::StoreResult stored;
    if (!refusedUntouched(path, [&] { stored = ActualPayoutFile::storeTable(path, table); }))
        return 0;
    expect(ActualPayoutFile::countTables(path) == (stored.replaced ? n : n + 1),
           "a new date adds one table, a known one replaces it");
    const std::optional<PayoutTable> back = ActualPayoutFile::findTable(path, key);
    expect(back && back->amount(2) == 175000 && back->isConfirmed(), "the stored table reads back");
    return 0;
}
