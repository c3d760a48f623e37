#include "wheels/wheel_catalogue.h"
#include "wheels/wheel_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

using namespace numbrava;

namespace {

std::vector<int> firstNumbers(int n) {
    std::vector<int> group(n);
    std::iota(group.begin(), group.end(), 1);
    return group;
}

const QString kCorrupt = QStringLiteral("Your wheel data file is corrupt");
const QString kNotFound = QStringLiteral("The wheel file cannot be found!");

class WheelFileReading : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("wheels")));
    }

    // Writes the definition file of (type, n) in the temporary folder.
    void writeWheel(int type, int n, const QByteArray& text) {
        QFile file(wheelFilePath(dir_.path(), type, n));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(text), text.size());
    }

    QString folder() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
};

QByteArray repeatedLine(const QByteArray& line, int times) {
    QByteArray text;
    for (int i = 0; i < times; ++i)
        text += line + "\r\n";
    return text;
}

TEST_F(WheelFileReading, Type3OverTenReadsTwoLinesAndIgnoresTheRest) {
    writeWheel(3, 10, "01 02 03 04 05\n06 07 08 09 10\n1 2 3 4 5\n");
    const std::vector<int> group{2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
    const WheelFileLines read = readWheel(folder(), 3, group);
    ASSERT_TRUE(read.ok()) << read.message().toStdString();
    ASSERT_EQ(read.lines.size(), 2u);
    EXPECT_EQ(read.lines[0].numbers, (std::array<std::int16_t, 5>{2, 4, 6, 8, 10}));
    EXPECT_EQ(read.lines[1].numbers, (std::array<std::int16_t, 5>{12, 14, 16, 18, 20}));
}

TEST_F(WheelFileReading, OneLineMoreThanRequiredIsAccepted) {
    writeWheel(5, 9, repeatedLine("01 02 03 04 05", 6));
    EXPECT_EQ(readWheel(folder(), 5, firstNumbers(9)).lines.size(), 5u);
}

TEST_F(WheelFileReading, OneLineFewerIsNotFound) {
    writeWheel(5, 9, repeatedLine("01 02 03 04 05", 4));
    const WheelFileLines read = readWheel(folder(), 5, firstNumbers(9));
    EXPECT_EQ(read.status, WheelFileStatus::NotFound);
    EXPECT_EQ(read.message(), kNotFound);
    EXPECT_TRUE(read.lines.empty());
}

TEST_F(WheelFileReading, LastLineWithoutLineEndStillCounts) {
    writeWheel(3, 10, "01 02 03 04 05\n06 07 08 09 10");
    EXPECT_TRUE(readWheel(folder(), 3, firstNumbers(10)).ok());
}

TEST_F(WheelFileReading, MissingFileIsNotFound) {
    EXPECT_EQ(readWheel(folder(), 2, firstNumbers(8)).message(), kNotFound);
}

TEST_F(WheelFileReading, FolderInPlaceOfTheFileIsNotFound) {
    ASSERT_TRUE(QDir().mkpath(wheelFilePath(folder(), 2, 7)));
    EXPECT_EQ(readWheel(folder(), 2, firstNumbers(7)).message(), kNotFound);
}

TEST_F(WheelFileReading, SizeNotOfferedByTheTypeIsNotFound) {
    writeWheel(3, 9, "01 02 03 04 05\n05 06 07 08 09\n");
    EXPECT_EQ(readWheel(folder(), 3, firstNumbers(9)).status, WheelFileStatus::NotFound);
}

TEST_F(WheelFileReading, LineWithoutLeadingZerosIsCorrupt) {
    writeWheel(3, 10, "01 02 03 04 05\n1 2 3 4 5\n");
    const WheelFileLines read = readWheel(folder(), 3, firstNumbers(10));
    EXPECT_EQ(read.status, WheelFileStatus::Corrupt);
    EXPECT_EQ(read.message(), kCorrupt);
    EXPECT_TRUE(read.lines.empty());
}

TEST_F(WheelFileReading, PositionBeyondTheGroupIsCorrupt) {
    writeWheel(3, 10, "01 02 03 04 05\n06 07 08 09 11\n");
    EXPECT_EQ(readWheel(folder(), 3, firstNumbers(10)).message(), kCorrupt);
}

TEST_F(WheelFileReading, CorruptLineBeforeTheShortEndIsReportedAsCorrupt) {
    writeWheel(5, 9, "01 02 03 04 05\n00 02 03 04 05\n");
    EXPECT_EQ(readWheel(folder(), 5, firstNumbers(9)).status, WheelFileStatus::Corrupt);
}

TEST_F(WheelFileReading, BlankLineCountsAsACorruptLine) {
    writeWheel(3, 10, "01 02 03 04 05\n\n06 07 08 09 10\n");
    EXPECT_EQ(readWheel(folder(), 3, firstNumbers(10)).status, WheelFileStatus::Corrupt);
}

} // namespace
