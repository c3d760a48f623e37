#include "wheels/wheel_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

using namespace numbrava;

namespace {

struct LineCase {
    const char* name;
    QByteArray text;
    std::optional<std::array<std::int16_t, 5>> numbers; // nothing = corrupt
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

// A group of ten whose numbers differ from their positions, so a decoder
// that returns positions instead of numbers fails.
const std::vector<int> kGroup{3, 7, 11, 19, 20, 28, 33, 41, 47, 52};

class WheelLineDecoding : public ::testing::TestWithParam<LineCase> {};

TEST_P(WheelLineDecoding, GivesTheGroupNumbersOrCorruption) {
    const LineCase& c = GetParam();
    const std::optional<EntryLine> entry = decodeWheelLine(c.text, kGroup);
    ASSERT_EQ(entry.has_value(), c.numbers.has_value()) << c.text.toStdString();
    if (entry) {
        EXPECT_EQ(entry->numbers, *c.numbers);
        EXPECT_EQ(entry->bonus, 0);
    }
}

using N = std::array<std::int16_t, 5>;

INSTANTIATE_TEST_SUITE_P(
    Cases, WheelLineDecoding,
    ::testing::Values(LineCase{"Plain", "01 02 03 04 05", N{3, 7, 11, 19, 20}},
                      LineCase{"LastPositions", "06 07 08 09 10", N{28, 33, 41, 47, 52}},
                      LineCase{"SixthFieldIgnored", "01 02 03 04 05 06", N{3, 7, 11, 19, 20}},
                      LineCase{"SurroundingBlanks", "   01 03 05 07 09  ", N{3, 11, 20, 33, 47}},
                      LineCase{"BlankThenDigit", " 1  2  3  4  5", N{3, 7, 11, 19, 20}},
                      LineCase{"DigitThenBlank", "1  2  3  4  5 ", N{3, 7, 11, 19, 20}},
                      LineCase{"StopsAtComma", "01 02 03 04 05,99", N{3, 7, 11, 19, 20}},
                      LineCase{"QuotedItem", "\"01 02 03 04 05\",x", N{3, 7, 11, 19, 20}},
                      LineCase{"QuotedCommaKept", "\"01 02 03 04 05,\"", N{3, 7, 11, 19, 20}},
                      LineCase{"TrailingJunkInField", "1x 02 03 04 05", N{3, 7, 11, 19, 20}},
                      LineCase{"NoLeadingZeros", "1 2 3 4 5", std::nullopt},
                      LineCase{"ZeroPosition", "00 02 03 04 05", std::nullopt},
                      LineCase{"ZeroThenLetter", "01 02 0a 04 05", std::nullopt},
                      LineCase{"FieldStartsWithLetter", "01 02 a3 04 05", std::nullopt},
                      LineCase{"Negative", "-1 02 03 04 05", std::nullopt},
                      LineCase{"FourFields", "01 02 03 04", std::nullopt},
                      LineCase{"CommaCutsFields", "01 02,03 04 05", std::nullopt},
                      LineCase{"Empty", "", std::nullopt},
                      LineCase{"PositionBeyondGroup", "01 02 03 04 11", std::nullopt},
                      LineCase{"PositionFarBeyondGroup", "01 02 03 04 99", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WheelLinePositions, ReadsFieldsAtFixedColumnsWithoutSorting) {
    EXPECT_EQ(wheelLinePositions("09 03 12 01 15"), (std::array<int, 5>{9, 3, 12, 1, 15}));
    EXPECT_EQ(wheelLinePositions("01 02"), (std::array<int, 5>{1, 2, 0, 0, 0}));
}

} // namespace
