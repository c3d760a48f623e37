#include "support/temp_folder.h"
#include "wheels/wheel_catalogue.h"
#include "wheels/wheel_file.h"
#include "wheels/wheel_line.h"

#include <QDir>
#include <QStringList>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <numeric>
#include <optional>
#include <set>
#include <vector>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

const QString kInstallFolder = QStringLiteral(NUMBRAVA_SOURCE_DIR "/install");

std::vector<int> firstNumbers(int n) {
    std::vector<int> group(n);
    std::iota(group.begin(), group.end(), 1);
    return group;
}

// Every shipped wheel holds exactly its catalogue's lines (the copy beside the
// program too), each of five distinct positions, no line twice, and for every
// set of D numbers drawn from the group some line holds at least M of them.
TEST(ShippedWheels, HoldTheirLinesAndMeetTheirGuarantee) {
    using Mask = std::uint32_t; // bit i: position i + 1
    for (const WheelKind& kind : wheelCatalogue())
        for (const WheelSize& size : kind.sizes) {
            const int n = size.groupSize;
            const QString path = wheelFilePath(kInstallFolder, kind.type, n);
            SCOPED_TRACE(path.toStdString());
            const QByteArray text = fileBytes(path);
            EXPECT_EQ(text.count('\n'), size.entriesRequired);
            EXPECT_EQ(fileBytes(wheelFilePath(NUMBRAVA_BIN_DIR, kind.type, n)), text);
            // With the group 1..n the numbers read are the positions themselves.
            const WheelFileLines read = readWheel(kInstallFolder, kind.type, firstNumbers(n));
            ASSERT_EQ(read.lines.size(), size_t(size.entriesRequired))
                << read.message().toStdString();
            std::set<Mask> lines;
            for (const EntryLine& line : read.lines) {
                EXPECT_TRUE(std::is_sorted(line.numbers.begin(), line.numbers.end()));
                Mask mask = 0;
                for (std::int16_t number : line.numbers)
                    mask |= Mask{1} << (number - 1);
                EXPECT_EQ(std::popcount(mask), 5) << "repeated position in a line";
                lines.insert(mask);
            }
            EXPECT_EQ(lines.size(), read.lines.size()) << "repeated line";
            int uncovered = 0;
            for (Mask drawn = 0; drawn < (Mask{1} << n); ++drawn)
                if (std::popcount(drawn) == kind.drawnInGroup)
                    uncovered += std::none_of(lines.begin(), lines.end(), [&](Mask line) {
                        return std::popcount(line & drawn) >= kind.guaranteedMatch;
                    });
            EXPECT_EQ(uncovered, 0)
                << "drawn sets without a line matching " << kind.guaranteedMatch;
        }
}

// The catalogue as the player sees it, written out by hand so a slip in a
// count or a caption cannot hide behind the shipped files. The tag 5-D-M
// fixes the numbers in each caption.
TEST(WheelCatalogue, SixTypesInOrderWithThePlayersCaptionsSizesAndLineCounts) {
    const QStringList expected{
        "5-5-5 7:21 8:56 9:126 10:252",           "5-5-4 7:3 8:5 9:9 10:14 11:22 12:35",
        "5-5-3 10:2 11:5 12:6 13:8 14:10 15:13",  "5-4-4 6:5 7:9 8:20 9:30 10:53 11:66",
        "5-4-3 9:5 10:7 11:10 12:13 13:16 14:21", "5-3-3 8:8 9:12 10:17 11:22 12:31 13:36"};
    QStringList seen;
    for (const WheelKind& kind : wheelCatalogue()) {
        QStringList sizes(kind.tag());
        for (const WheelSize& size : kind.sizes) {
            sizes << QStringLiteral("%1:%2").arg(size.groupSize).arg(size.entriesRequired);
            EXPECT_EQ(entriesRequired(kind.type, size.groupSize), size.entriesRequired);
        }
        seen << sizes.join(' ');
        EXPECT_EQ(kind.type, seen.size());
        EXPECT_EQ(findWheelKind(kind.type), &kind);
        EXPECT_EQ(kind.menuObjectName, QStringLiteral("mnu") + kind.tag().remove('-'));
        const QString d = QString::number(kind.drawnInGroup);
        const QString match = QStringLiteral("Guarantee Match %1").arg(kind.guaranteedMatch);
        EXPECT_EQ(kind.optionCaption, match);
        EXPECT_EQ(kind.groupLabel, "Any " + d + " from Group Picked");
        EXPECT_EQ(kind.menuCaption, match + " if " + d + " Picked from Group");
        EXPECT_EQ(kind.guaranteeLine,
                  match + " if any " + d + " drawn from the following number group:");
    }
    EXPECT_EQ(seen, expected);
}

TEST(WheelCatalogue, FileNamesAndRefusalsOfUnknownTypesAndSizes) {
    EXPECT_EQ(wheelFilePath("/data", 5, 12), QStringLiteral("/data/wheels/5-4-3-12.whl"));
    EXPECT_EQ(wheelEntryFileName(Powerball, 1), QStringLiteral("PwrB-5-5-5.lot"));
    EXPECT_EQ(wheelEntryFileName(MegaMillions, 6), QStringLiteral("Mega-5-3-3.lot"));
    EXPECT_EQ(findWheelKind(0), nullptr);
    EXPECT_EQ(findWheelKind(7), nullptr);
    EXPECT_FALSE(entriesRequired(0, 7));
    EXPECT_FALSE(entriesRequired(3, 9));
    EXPECT_FALSE(entriesRequired(1, 11));
    EXPECT_TRUE(wheelFilePath("/x", 7, 10).isEmpty());
    EXPECT_TRUE(wheelEntryFileName(Powerball, 0).isEmpty());
}

TEST(WheelFile, ReadsTheRequiredLinesOrTellsWhyNot) {
    using enum WheelFileStatus;
    const QByteArray six = QByteArray("01 02 03 04 05\r\n").repeated(6);
    const struct {
        int type, n;
        QByteArray text; // a null array: no file at all
        WheelFileStatus status;
        size_t lines = 0; // lines read when the file is sound
    } cases[] = {
        // Group 10 of type 3 needs two lines; what follows is never read.
        {3, 10, "01 02 03 04 05\n06 07 08 09 10\n1 2 3 4 5\n", Ok, 2},
        {3, 10, "01 02 03 04 05\n06 07 08 09 10", Ok, 2}, // no line end at the end
        {5, 9, six, Ok, 5},
        {5, 9, six.left(4 * 16), NotFound},
        {2, 8, QByteArray(), NotFound},
        {3, 9, "01 02 03 04 05\n05 06 07 08 09\n", NotFound}, // a size type 3 does not offer
        {3, 10, "01 02 03 04 05\n1 2 3 4 5\n", Corrupt},
        {3, 10, "01 02 03 04 05\n06 07 08 09 11\n", Corrupt},
        {5, 9, "01 02 03 04 05\n00 02 03 04 05\n", Corrupt}, // corrupt before a short end
        {3, 10, "01 02 03 04 05\n\n06 07 08 09 10\n", Corrupt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        TempFolder folder;
        ASSERT_TRUE(QDir(folder.path()).mkpath("wheels"));
        if (!c.text.isNull())
            writeFileBytes(wheelFilePath(folder.path(), c.type, c.n), c.text);
        std::vector<int> group; // even numbers: positions read as numbers would fail
        for (int i = 1; i <= c.n; ++i)
            group.push_back(2 * i);
        const WheelFileLines read = readWheel(folder.path(), c.type, group);
        EXPECT_EQ(read.status, c.status);
        EXPECT_EQ(read.lines.size(), c.lines);
        if (c.lines == 2)
            EXPECT_EQ(read.lines[1].numbers, (std::array<std::int16_t, 5>{12, 14, 16, 18, 20}));
        EXPECT_EQ(read.message(), c.status == NotFound  ? "The wheel file cannot be found!"
                                  : c.status == Corrupt ? "Your wheel data file is corrupt"
                                                        : "");
    }
    // A folder in place of the file is not found.
    TempFolder folder;
    ASSERT_TRUE(QDir().mkpath(wheelFilePath(folder.path(), 2, 7)));
    EXPECT_EQ(readWheel(folder.path(), 2, firstNumbers(7)).status, NotFound);
}

TEST(WheelLine, GivesTheGroupNumbersOrCorruption) {
    // A group of ten whose numbers differ from their positions, so a decoder
    // that returns positions instead of numbers fails. A sixth field, blanks
    // around and anything after a comma or past the closing quote are ignored.
    const std::vector<int> group{3, 7, 11, 19, 20, 28, 33, 41, 47, 52};
    for (const char* text :
         {"01 02 03 04 05", "01 02 03 04 05 06", " 1  2  3  4  5", "01 02 03 04 05,99",
          "\"01 02 03 04 05\",x", "\"01 02 03 04 05,\"", "1x 02 03 04 05"})
        EXPECT_EQ(decodeWheelLine(text, group), (EntryLine{{3, 7, 11, 19, 20}, 0})) << text;
    EXPECT_EQ(decodeWheelLine("   01 03 05 07 09  ", group), (EntryLine{{3, 11, 20, 33, 47}, 0}));
    for (const char* text : {"1 2 3 4 5", "00 02 03 04 05", "01 02 a3 04 05", "-1 02 03 04 05",
                             "01 02 03 04", "01 02,03 04 05", "", "01 02 03 04 11"})
        EXPECT_EQ(decodeWheelLine(text, group), std::nullopt) << text;
    // Fields at fixed columns, not sorted.
    EXPECT_EQ(wheelLinePositions("09 03 12 01 15"), (std::array<int, 5>{9, 3, 12, 1, 15}));
    EXPECT_EQ(wheelLinePositions("01 02"), (std::array<int, 5>{1, 2, 0, 0, 0}));
}

} // namespace
