// Defaults.rtl: any content reads as eight amounts, and a write reads back.
#include "fuzz_support.h"
#include "payouts/payout_files.h"

using namespace numbrava;
using namespace numbrava::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(QStringLiteral("Defaults.rtl"), data, size);
    DefaultAmounts amounts{};
    if (!refusedUntouched(path, [&] { amounts = DefaultPayoutFile::readAmounts(path); }))
        return 0;
    const std::optional<PayoutTable> table = DefaultPayoutFile::readTable(path);
    expect(table.has_value() == DefaultPayoutFile::hasDefaults(amounts),
           "a table exactly when category 2 has an amount");
    if (table)
        expect(!table->amount(1).has_value(), "no default for the jackpot");
    const DefaultAmounts stored{100000, 5000, 100, 100, 7, 7, 4, 3};
    if (refusedUntouched(path, [&] { DefaultPayoutFile::writeAmounts(path, stored); }))
        expect(DefaultPayoutFile::readAmounts(path) == stored, "the stored amounts read back");
    return 0;
}
