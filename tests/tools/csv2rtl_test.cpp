#include "data/draw_history_file.h"
#include "data/record_file.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

const QString kConverter = QStringLiteral(NUMBRAVA_BIN_DIR "/csv2rtl");
const QString kDataDir = QStringLiteral(NUMBRAVA_SOURCE_DIR "/data");
const QByteArray kHeader = "date,b1,b2,b3,b4,b5,bonus\n";

struct Conversion {
    int exitCode = -1;
    QString errors;
};

Conversion convert(const QString& game, const QString& csv, const QString& rtl) {
    QProcess process;
    process.start(kConverter, {game, csv, rtl});
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

class Csv2Rtl : public ::testing::Test {
  protected:
    TempFolder dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(Csv2Rtl, GoodFileConvertsByteExactly) {
    writeFileBytes(path("pb.csv"), kHeader + "2003-07-02,1,2,3,4,53,42\r\n"
                                             "2003-07-05,10,20,30,40,50,1\n"
                                             "2003-07-09,5,15,25,35,45,7\n\n");
    const Conversion run = convert("powerball", path("pb.csv"), path("pbk.rtl"));
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    // Record 1 carries the final count; each later record keeps the count it
    // was appended with, as when the draws are typed in one by one.
    const QByteArray expected = drawBytes(3, 1, QDate(2003, 7, 2), {1, 2, 3, 4, 53}, 42) +
                                drawBytes(2, 2, QDate(2003, 7, 5), {10, 20, 30, 40, 50}, 1) +
                                drawBytes(3, 3, QDate(2003, 7, 9), {5, 15, 25, 35, 45}, 7);
    EXPECT_EQ(fileBytes(path("pbk.rtl")), expected);
    EXPECT_FALSE(QFile::exists(path("pbk.rtl.part")));
}

TEST_F(Csv2Rtl, ExistingOutputIsNeverReplaced) {
    writeFileBytes(path("pb.csv"), kHeader + "2003-07-02,1,2,3,4,5,6\n");
    writeFileBytes(path("pbk.rtl"), "typed results");
    const Conversion run = convert("powerball", path("pb.csv"), path("pbk.rtl"));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains("already exists")) << run.errors.toStdString();
    EXPECT_EQ(fileBytes(path("pbk.rtl")), QByteArray("typed results"));
}

struct BadRow {
    const char* name;
    const char* game;
    QByteArray rows; // after the header, which is row 1
    const char* expected;
};

void PrintTo(const BadRow& c, std::ostream* os) {
    *os << c.name;
}

class Csv2RtlRefuses : public Csv2Rtl, public ::testing::WithParamInterface<BadRow> {};

TEST_P(Csv2RtlRefuses, BadRowWithItsRowNumberAndWritesNothing) {
    const BadRow& c = GetParam();
    writeFileBytes(path("in.csv"), kHeader + c.rows);
    const Conversion run = convert(c.game, path("in.csv"), path("out.rtl"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(QString::fromLatin1(c.expected))) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(path("out.rtl")));
    EXPECT_FALSE(QFile::exists(path("out.rtl.part")));
}

const QByteArray kGoodPbRow = "2003-07-02,1,2,3,4,5,6\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, Csv2RtlRefuses,
    ::testing::Values(
        BadRow{"MainAboveRange", "powerball", kGoodPbRow + "2003-07-05,1,2,3,4,54,6\n",
               "row 3: ball 5 (\"54\") is not a number from 1 to 53"},
        BadRow{"MegaMainAboveRange", "megamillions", "2003-07-04,1,2,3,4,53,6\n",
               "row 2: ball 5 (\"53\") is not a number from 1 to 52"},
        BadRow{"BonusAboveRange", "powerball", "2003-07-02,1,2,3,4,5,43\n",
               "row 2: ball 6 (\"43\") is not a number from 1 to 42"},
        BadRow{"ZeroBall", "powerball", "2003-07-02,0,2,3,4,5,6\n", "row 2: ball 1"},
        BadRow{"Unsorted", "powerball", kGoodPbRow + "2003-07-05,1,2,3,5,4,6\n",
               "row 3: the five main balls are not in ascending order"},
        BadRow{"DateBackwards", "powerball", kGoodPbRow + "2003-06-28,1,2,3,4,5,6\n",
               "row 3: the date 2003-06-28 is not after the date of the row before"},
        BadRow{"SameDateTwice", "powerball", kGoodPbRow + kGoodPbRow, "row 3: the date 2003-07-02"},
        BadRow{"BadDate", "powerball", "2003-02-30,1,2,3,4,5,6\n",
               "row 2: the date \"2003-02-30\""},
        BadRow{"ShortRow", "powerball", kGoodPbRow + "2003-07-05,1,2,3,4,5\n",
               "row 3: expected 7 fields"},
        BadRow{"CountsBlankLines", "powerball", kGoodPbRow + "\n" + "2003-07-09,1,2,3,4,99,6\n",
               "row 4: ball 5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Csv2Rtl, TheHeaderAloneGivesAnEmptyHistoryAndAMissingOneIsRefused) {
    writeFileBytes(path("mm.csv"), kHeader);
    ASSERT_EQ(convert("megamillions", path("mm.csv"), path("million.rtl")).exitCode, 0);
    EXPECT_TRUE(QFile::exists(path("million.rtl")));
    EXPECT_EQ(DrawHistoryFile::countDraws(path("million.rtl")), 0);

    writeFileBytes(path("in.csv"), "2003-07-02,1,2,3,4,5,6\n");
    EXPECT_TRUE(convert("powerball", path("in.csv"), path("out.rtl")).errors.contains("row 1"));
    EXPECT_FALSE(QFile::exists(path("out.rtl")));
}

struct DemoHistory {
    const char* game;
    const char* csv;
    const char* rtl;
    int draws;
    std::array<int, 9> first; // day, month, year, five balls and bonus
    std::array<int, 9> last;
};

void PrintTo(const DemoHistory& h, std::ostream* os) {
    *os << h.rtl;
}

std::array<int, 9> drawFields(const DrawRecord& r) {
    return {r.day,      r.month,    r.year,     r.balls[0], r.balls[1],
            r.balls[2], r.balls[3], r.balls[4], r.bonus};
}

class DemoHistories : public Csv2Rtl, public ::testing::WithParamInterface<DemoHistory> {};

TEST_P(DemoHistories, ConvertToTheWholeHistoryInDateOrder) {
    const DemoHistory& h = GetParam();
    const QString rtl = path(h.rtl);
    const Conversion run = convert(h.game, kDataDir + "/" + h.csv, rtl);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const std::vector<DrawRecord> draws = DrawHistoryFile::readAllDraws(rtl);
    ASSERT_EQ(static_cast<int>(draws.size()), h.draws);
    EXPECT_EQ(QFile(rtl).size(), h.draws * kRecordSize);
    EXPECT_EQ(drawFields(draws.front()), h.first);
    EXPECT_EQ(drawFields(draws.back()), h.last);
    for (int k = 0; k < h.draws; ++k) {
        EXPECT_EQ(draws[k].position, k + 1);
        if (k > 0)
            EXPECT_LT(draws[k - 1].dateNumber(), draws[k].dateNumber());
    }
    // The build ships exactly this file, and a fresh data folder gets it.
    EXPECT_EQ(fileBytes(QStringLiteral(NUMBRAVA_BIN_DIR "/../demo/") + h.rtl), fileBytes(rtl));
    EXPECT_TRUE(QFile::exists(QStringLiteral(NUMBRAVA_BIN_DIR "/") + h.rtl));
}

TEST_P(DemoHistories, RebuildKeepsAHistoryThatIsAlreadyThere) {
    const DemoHistory& h = GetParam();
    QDir().mkpath(path("shipped"));
    QDir().mkpath(path("datafolder"));
    ASSERT_EQ(convert(h.game, kDataDir + "/" + h.csv, path("shipped/") + h.rtl).exitCode, 0);
    writeFileBytes(path("shipped/Readme.txt"), "program file");
    const QByteArray mine = "my own results";
    writeFileBytes(path("datafolder/") + h.rtl, mine);
    writeFileBytes(path("datafolder/Readme.txt"), "old program file");

    // The same step the build runs to place shipped files beside the program.
    QProcess copy;
    copy.start(QStandardPaths::findExecutable("cmake"),
               {"-DSRC=" + path("shipped"), "-DDST=" + path("datafolder"), "-P",
                QStringLiteral(NUMBRAVA_SOURCE_DIR "/cmake/copy_shipped.cmake")});
    ASSERT_TRUE(copy.waitForFinished(30000));
    ASSERT_EQ(copy.exitCode(), 0) << copy.readAllStandardError().toStdString();

    EXPECT_EQ(fileBytes(path("datafolder/") + h.rtl), mine);
    EXPECT_EQ(fileBytes(path("datafolder/Readme.txt")), QByteArray("program file"));
}

INSTANTIATE_TEST_SUITE_P(Shipped, DemoHistories,
                         ::testing::Values(DemoHistory{"powerball",
                                                       "powerball-2002-2005.csv",
                                                       "pbk.rtl",
                                                       302,
                                                       {9, 10, 2002, 9, 10, 38, 42, 43, 5},
                                                       {27, 8, 2005, 8, 22, 31, 39, 44, 11}},
                                           DemoHistory{"megamillions",
                                                       "megamillions-2002-2005.csv",
                                                       "million.rtl",
                                                       324,
                                                       {17, 5, 2002, 15, 18, 25, 33, 47, 30},
                                                       {21, 6, 2005, 9, 13, 40, 46, 50, 30}}),
                         [](const auto& info) { return std::string(info.param.game); });

} // namespace
