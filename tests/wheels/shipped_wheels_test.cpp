#include "support/temp_folder.h"
#include "wheels/wheel_catalogue.h"
#include "wheels/wheel_file.h"
#include "wheels/wheel_line.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <numeric>
#include <optional>
#include <ostream>
#include <vector>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

struct ShippedWheel {
    const WheelKind* kind;
    WheelSize size;
};

void PrintTo(const ShippedWheel& w, std::ostream* os) {
    *os << w.kind->tag().toStdString() << " over " << w.size.groupSize;
}

std::vector<ShippedWheel> allWheels() {
    std::vector<ShippedWheel> wheels;
    for (const WheelKind& kind : wheelCatalogue())
        for (const WheelSize& size : kind.sizes)
            wheels.push_back({&kind, size});
    return wheels;
}

const QString kInstallFolder = QStringLiteral(NUMBRAVA_SOURCE_DIR "/install");

using Mask = std::uint32_t;

// Every d-subset of the numbers 1..n as bit masks (bit i = number i + 1).
std::vector<Mask> subsets(int n, int d) {
    std::vector<Mask> out;
    for (Mask m = 0; m < (Mask{1} << n); ++m)
        if (std::popcount(m) == d)
            out.push_back(m);
    return out;
}

class ShippedWheelFile : public ::testing::TestWithParam<ShippedWheel> {};

TEST_P(ShippedWheelFile, HoldsExactlyItsLinesAndMeetsItsGuarantee) {
    const WheelKind& kind = *GetParam().kind;
    const int n = GetParam().size.groupSize;
    const int lineCount = GetParam().size.entriesRequired;
    const QString path = wheelFilePath(kInstallFolder, kind.type, n);

    // Exactly the catalogue's number of lines on disk, none spare.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(file.readAll().count('\n'), lineCount);

    // With the group 1..n the numbers read are the positions themselves.
    std::vector<int> group(n);
    std::iota(group.begin(), group.end(), 1);
    const WheelFileLines read = readWheel(kInstallFolder, kind.type, group);
    ASSERT_TRUE(read.ok()) << read.message().toStdString();
    ASSERT_EQ(static_cast<int>(read.lines.size()), lineCount);

    std::vector<Mask> lines;
    for (const EntryLine& line : read.lines) {
        EXPECT_TRUE(std::is_sorted(line.numbers.begin(), line.numbers.end()));
        Mask mask = 0;
        for (std::int16_t number : line.numbers)
            mask |= Mask{1} << (number - 1);
        EXPECT_EQ(std::popcount(mask), 5) << "repeated position in a line";
        lines.push_back(mask);
    }
    std::vector<Mask> sorted = lines;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "repeated line";

    int uncovered = 0;
    for (Mask drawn : subsets(n, kind.drawnInGroup)) {
        const bool met = std::any_of(lines.begin(), lines.end(), [&](Mask line) {
            return std::popcount(line & drawn) >= kind.guaranteedMatch;
        });
        uncovered += met ? 0 : 1;
    }
    EXPECT_EQ(uncovered, 0) << "sets of " << kind.drawnInGroup << " without a line matching "
                            << kind.guaranteedMatch;
}

TEST(ShippedWheelFiles, AreCopiedBesideTheProgram) {
    for (const ShippedWheel& wheel : allWheels()) {
        const QString shipped =
            wheelFilePath(kInstallFolder, wheel.kind->type, wheel.size.groupSize);
        const QString beside =
            wheelFilePath(QStringLiteral(NUMBRAVA_BIN_DIR), wheel.kind->type, wheel.size.groupSize);
        QFile a(shipped), b(beside);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly))
            << beside.toStdString();
        EXPECT_EQ(a.readAll(), b.readAll()) << beside.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(All, ShippedWheelFile, ::testing::ValuesIn(allWheels()),
                         [](const auto& info) {
                             return QStringLiteral("Wheel_%1_%2")
                                 .arg(info.param.kind->tag().remove(QLatin1Char('-')))
                                 .arg(info.param.size.groupSize)
                                 .toStdString();
                         });

// The catalogue as the player sees it, written out once more by hand so a
// slip in a count or a caption cannot hide behind the shipped files (whose
// line counts are checked against the catalogue itself).
struct KindText {
    const char* tag;
    const char* option;
    const char* group;
    const char* menu;
    const char* sizes;
};

const KindText kExpected[] = {
    {"5-5-5", "Guarantee Match 5", "Any 5 from Group Picked",
     "Guarantee Match 5 if 5 Picked from Group", "7:21 8:56 9:126 10:252"},
    {"5-5-4", "Guarantee Match 4", "Any 5 from Group Picked",
     "Guarantee Match 4 if 5 Picked from Group", "7:3 8:5 9:9 10:14 11:22 12:35"},
    {"5-5-3", "Guarantee Match 3", "Any 5 from Group Picked",
     "Guarantee Match 3 if 5 Picked from Group", "10:2 11:5 12:6 13:8 14:10 15:13"},
    {"5-4-4", "Guarantee Match 4", "Any 4 from Group Picked",
     "Guarantee Match 4 if 4 Picked from Group", "6:5 7:9 8:20 9:30 10:53 11:66"},
    {"5-4-3", "Guarantee Match 3", "Any 4 from Group Picked",
     "Guarantee Match 3 if 4 Picked from Group", "9:5 10:7 11:10 12:13 13:16 14:21"},
    {"5-3-3", "Guarantee Match 3", "Any 3 from Group Picked",
     "Guarantee Match 3 if 3 Picked from Group", "8:8 9:12 10:17 11:22 12:31 13:36"},
};

TEST(WheelCatalogue, SixTypesInOrderWithThePlayersCaptionsSizesAndLineCounts) {
    int type = 1;
    for (const WheelKind& kind : wheelCatalogue()) {
        ASSERT_EQ(kind.type, type++);
        const KindText& expected = kExpected[kind.type - 1];
        EXPECT_EQ(findWheelKind(kind.type), &kind);
        EXPECT_EQ(kind.tag(), QString::fromLatin1(expected.tag));
        EXPECT_EQ(kind.menuObjectName, QStringLiteral("mnu") + kind.tag().remove(QLatin1Char('-')));
        EXPECT_EQ(kind.optionCaption, QString::fromLatin1(expected.option));
        EXPECT_EQ(kind.groupLabel, QString::fromLatin1(expected.group));
        EXPECT_EQ(kind.menuCaption, QString::fromLatin1(expected.menu));
        EXPECT_EQ(kind.guaranteeLine,
                  QStringLiteral("%1 if any %2 drawn from the following number group:")
                      .arg(kind.optionCaption)
                      .arg(kind.drawnInGroup));
        QStringList sizes;
        for (const WheelSize& size : kind.sizes) {
            sizes << QStringLiteral("%1:%2").arg(size.groupSize).arg(size.entriesRequired);
            EXPECT_EQ(entriesRequired(kind.type, size.groupSize), size.entriesRequired);
        }
        EXPECT_EQ(sizes.join(QLatin1Char(' ')), QString::fromLatin1(expected.sizes)) << kind.type;
    }
    EXPECT_EQ(type, 7);
}

TEST(WheelCatalogue, FileNamesAndRefusalsOfUnknownTypesAndSizes) {
    EXPECT_EQ(wheelFilePath(QStringLiteral("/data"), 5, 12),
              QStringLiteral("/data/wheels/5-4-3-12.whl"));
    EXPECT_EQ(wheelEntryFileName(Powerball, 1), QStringLiteral("PwrB-5-5-5.lot"));
    EXPECT_EQ(wheelEntryFileName(MegaMillions, 6), QStringLiteral("Mega-5-3-3.lot"));
    EXPECT_EQ(findWheelKind(0), nullptr);
    EXPECT_EQ(findWheelKind(7), nullptr);
    EXPECT_FALSE(entriesRequired(0, 7));
    EXPECT_FALSE(entriesRequired(3, 9));
    EXPECT_FALSE(entriesRequired(1, 11));
    EXPECT_TRUE(wheelFilePath(QStringLiteral("/x"), 7, 10).isEmpty());
    EXPECT_TRUE(wheelEntryFileName(Powerball, 0).isEmpty());
}

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
                      LineCase{"SixthFieldIgnored", "01 02 03 04 05 06", N{3, 7, 11, 19, 20}},
                      LineCase{"SurroundingBlanks", "   01 03 05 07 09  ", N{3, 11, 20, 33, 47}},
                      LineCase{"BlankThenDigit", " 1  2  3  4  5", N{3, 7, 11, 19, 20}},
                      LineCase{"StopsAtComma", "01 02 03 04 05,99", N{3, 7, 11, 19, 20}},
                      LineCase{"QuotedItem", "\"01 02 03 04 05\",x", N{3, 7, 11, 19, 20}},
                      LineCase{"QuotedCommaKept", "\"01 02 03 04 05,\"", N{3, 7, 11, 19, 20}},
                      LineCase{"TrailingJunkInField", "1x 02 03 04 05", N{3, 7, 11, 19, 20}},
                      LineCase{"NoLeadingZeros", "1 2 3 4 5", std::nullopt},
                      LineCase{"ZeroPosition", "00 02 03 04 05", std::nullopt},
                      LineCase{"FieldStartsWithLetter", "01 02 a3 04 05", std::nullopt},
                      LineCase{"Negative", "-1 02 03 04 05", std::nullopt},
                      LineCase{"FourFields", "01 02 03 04", std::nullopt},
                      LineCase{"CommaCutsFields", "01 02,03 04 05", std::nullopt},
                      LineCase{"Empty", "", std::nullopt},
                      LineCase{"PositionBeyondGroup", "01 02 03 04 11", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WheelLinePositions, ReadsFieldsAtFixedColumnsWithoutSorting) {
    EXPECT_EQ(wheelLinePositions("09 03 12 01 15"), (std::array<int, 5>{9, 3, 12, 1, 15}));
    EXPECT_EQ(wheelLinePositions("01 02"), (std::array<int, 5>{1, 2, 0, 0, 0}));
}

} // namespace
