#include "wheels/wheel_catalogue.h"
#include "wheels/wheel_file.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <numeric>
#include <ostream>
#include <vector>

using namespace numbrava;

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

} // namespace
