#include "data/draw_record.h"

#include "support/qt_printers.h"
#include "support/record_bytes.h"

#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

// Every word different, negative values and both bytes of each word in use,
// so a swapped field, byte order or sign shows.
const RawRecord kDistinct{.count = -123456789,
                          .word4 = -2,
                          .day = 0x0102,
                          .month = 0x0304,
                          .year = 2003,
                          .numbers = {0x0506, 0x0708, 0x090a, -32768, 32767},
                          .bonus = 0x0b0c,
                          .word24 = -300};

TEST(DrawRecordBytes, FieldsSitWhereTheFileFormatPutsThem) {
    const DrawRecord r = DrawRecord::fromBytes(kDistinct.bytes());
    EXPECT_EQ(r.count, -123456789);
    EXPECT_EQ(r.position, -2);
    EXPECT_EQ(r.day, 0x0102);
    EXPECT_EQ(r.month, 0x0304);
    EXPECT_EQ(r.year, 2003);
    EXPECT_EQ(r.balls, (std::array<std::int16_t, 5>{0x0506, 0x0708, 0x090a, -32768, 32767}));
    EXPECT_EQ(r.bonus, 0x0b0c);
    EXPECT_EQ(r.spare, -300);
    EXPECT_EQ(r.toBytes(), kDistinct.bytes());
}

TEST(EntryRecordBytes, FieldsSitWhereTheFileFormatPutsThem) {
    const EntryRecord r = EntryRecord::fromBytes(kDistinct.bytes());
    EXPECT_EQ(r.count, -123456789);
    EXPECT_EQ(r.unused, -2);
    EXPECT_EQ(r.day, 0x0102);
    EXPECT_EQ(r.month, 0x0304);
    EXPECT_EQ(r.year, 2003);
    EXPECT_EQ(r.line, (EntryLine{{0x0506, 0x0708, 0x090a, -32768, 32767}, 0x0b0c}));
    EXPECT_EQ(r.mark, -300);
    EXPECT_EQ(r.toBytes(), kDistinct.bytes());
}

} // namespace
