#include "data/draw_record.h"

#include "support/qt_printers.h"
#include "support/record_bytes.h"

#include <gtest/gtest.h>
#include <tuple>

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

TEST(RecordBytes, FieldsSitWhereTheFileFormatPutsThem) {
    const DrawRecord draw = DrawRecord::fromBytes(kDistinct.bytes());
    EXPECT_EQ(draw.count, -123456789);
    EXPECT_EQ(draw.position, -2);
    EXPECT_EQ(std::make_tuple(draw.day, draw.month, draw.year),
              std::make_tuple(std::int16_t{0x0102}, std::int16_t{0x0304}, std::int16_t{2003}));
    EXPECT_EQ(draw.balls, (std::array<std::int16_t, 5>{0x0506, 0x0708, 0x090a, -32768, 32767}));
    EXPECT_EQ(draw.bonus, 0x0b0c);
    EXPECT_EQ(draw.spare, -300);
    EXPECT_EQ(draw.toBytes(), kDistinct.bytes());

    const EntryRecord entry = EntryRecord::fromBytes(kDistinct.bytes());
    EXPECT_EQ(entry.count, -123456789);
    EXPECT_EQ(entry.unused, -2);
    EXPECT_EQ(entry.line, (EntryLine{{0x0506, 0x0708, 0x090a, -32768, 32767}, 0x0b0c}));
    EXPECT_EQ(entry.mark, -300);
    EXPECT_EQ(entry.toBytes(), kDistinct.bytes());
}

} // namespace
