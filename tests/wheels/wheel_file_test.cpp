#include "support/temp_folder.h"
#include "wheels/wheel_catalogue.h"
#include "wheels/wheel_file.h"
#include "wheels/wheel_line.h"

#include <QDir>
#include <numeric>
#include <optional>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

std::vector<int> firstNumbers(int n) {
    std::vector<int> group(n);
    std::iota(group.begin(), group.end(), 1);
    return group;
}

QByteArray repeatedLine(const QByteArray& line, int times) {
    QByteArray text;
    for (int i = 0; i < times; ++i)
        text += line + "\r\n";
    return text;
}

struct WheelText {
    const char* name;
    int type;
    int n;
    QByteArray text; // a null array: no file at all
    WheelFileStatus status;
    size_t lines = 0; // lines read when the file is sound
};

void PrintTo(const WheelText& c, std::ostream* os) {
    *os << c.name;
}

class WheelFileReading : public ::testing::TestWithParam<WheelText> {};

TEST_P(WheelFileReading, ReadsTheRequiredLinesOrTellsWhyNot) {
    const WheelText& c = GetParam();
    TempFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("wheels")));
    if (!c.text.isNull())
        writeFileBytes(wheelFilePath(folder.path(), c.type, c.n), c.text);
    const WheelFileLines read = readWheel(folder.path(), c.type, firstNumbers(c.n));
    EXPECT_EQ(read.status, c.status) << read.message().toStdString();
    EXPECT_EQ(read.lines.size(), c.lines);
    if (c.status == WheelFileStatus::NotFound)
        EXPECT_EQ(read.message(), QStringLiteral("The wheel file cannot be found!"));
    if (c.status == WheelFileStatus::Corrupt)
        EXPECT_EQ(read.message(), QStringLiteral("Your wheel data file is corrupt"));
}

using enum WheelFileStatus;

INSTANTIATE_TEST_SUITE_P(
    Files, WheelFileReading,
    ::testing::Values(
        // Group 10 of type 3 needs two lines; what follows is never read.
        WheelText{"Type3OverTenReadsTwoLines", 3, 10, "01 02 03 04 05\n06 07 08 09 10\n1 2 3 4 5\n",
                  Ok, 2},
        WheelText{"LastLineWithoutLineEnd", 3, 10, "01 02 03 04 05\n06 07 08 09 10", Ok, 2},
        WheelText{"OneLineMoreThanRequired", 5, 9, repeatedLine("01 02 03 04 05", 6), Ok, 5},
        WheelText{"OneLineFewer", 5, 9, repeatedLine("01 02 03 04 05", 4), NotFound},
        WheelText{"Missing", 2, 8, QByteArray(), NotFound},
        WheelText{"SizeNotOfferedByTheType", 3, 9, "01 02 03 04 05\n05 06 07 08 09\n", NotFound},
        WheelText{"NoLeadingZeros", 3, 10, "01 02 03 04 05\n1 2 3 4 5\n", Corrupt},
        WheelText{"PositionBeyondTheGroup", 3, 10, "01 02 03 04 05\n06 07 08 09 11\n", Corrupt},
        WheelText{"CorruptBeforeAShortEnd", 5, 9, "01 02 03 04 05\n00 02 03 04 05\n", Corrupt},
        WheelText{"BlankLine", 3, 10, "01 02 03 04 05\n\n06 07 08 09 10\n", Corrupt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WheelFile, NumbersComeFromTheGroupByPositionAndAFolderIsNoFile) {
    TempFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("wheels")));
    writeFileBytes(wheelFilePath(folder.path(), 3, 10), "01 02 03 04 05\n06 07 08 09 10\n");
    const std::vector<int> group{2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
    const WheelFileLines read = readWheel(folder.path(), 3, group);
    ASSERT_EQ(read.lines.size(), 2u);
    EXPECT_EQ(read.lines[1].numbers, (std::array<std::int16_t, 5>{12, 14, 16, 18, 20}));
    // A folder in place of the file is not found.
    ASSERT_TRUE(QDir().mkpath(wheelFilePath(folder.path(), 2, 7)));
    EXPECT_EQ(readWheel(folder.path(), 2, firstNumbers(7)).status, WheelFileStatus::NotFound);
}

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
