// The main screen lists the largest entry file line for line, in file order.

#include "data/record_file.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"

#include <QLineEdit>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

using LargestEntryList = MainWindowTest;

TEST_F(LargestEntryList, ShowsEveryLineOfAFullFile) {
    QByteArray bytes;
    QStringList expected;
    for (int i = 1; i <= kMaxRecords; ++i) {
        const std::array<std::int16_t, 5> n{static_cast<std::int16_t>(i % 9 + 1), 12, 25, 33,
                                            static_cast<std::int16_t>(i % 19 + 34)};
        const int bonus = i % 42 + 1;
        bytes +=
            RawRecord{.count = kMaxRecords, .numbers = n, .bonus = static_cast<std::int16_t>(bonus)}
                .bytes();
        expected << QString::asprintf("%02d %02d %02d %02d %02d PB %02d", n[0], n[1], n[2], n[3],
                                      n[4], bonus);
    }
    writeFileBytes(datedEntryFileName(folder(), Powerball, clock.date), bytes);
    startOn(Powerball);
    EXPECT_EQ(rows("List1"), expected);
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("32767"));
}

} // namespace
