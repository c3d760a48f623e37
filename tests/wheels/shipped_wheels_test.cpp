#include "wheels/wheel_catalogue.h"
#include "wheels/wheel_file.h"

#include <QFile>
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

} // namespace
