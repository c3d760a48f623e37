#include "data/draw_history_file.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

const QByteArray kHeader = "date,b1,b2,b3,b4,b5,bonus\n";

class Csv2Rtl : public ::testing::Test {
  protected:
    TempFolder dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    std::pair<int, QString> convert(const QString& game, const QString& csv, const QString& rtl) {
        QProcess process;
        process.start(QStringLiteral(NUMBRAVA_BIN_DIR "/csv2rtl"), {game, csv, rtl});
        if (!process.waitForFinished(30000))
            return {-1, QString()};
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
    }
};

TEST_F(Csv2Rtl, GoodFileConvertsByteExactlyAndABadRowIsRefused) {
    writeFileBytes(path("pb.csv"), kHeader + "2003-07-02,1,2,3,4,53,42\r\n"
                                             "2003-07-05,10,20,30,40,50,1\n"
                                             "2003-07-09,5,15,25,35,45,7\n\n");
    const auto [exitCode, errors] = convert("powerball", path("pb.csv"), path("pbk.rtl"));
    ASSERT_EQ(exitCode, 0) << errors.toStdString();
    // Record 1 has the final count; later records keep the count they were appended with, as typed.
    const QByteArray expected = drawBytes(3, 1, QDate(2003, 7, 2), {1, 2, 3, 4, 53}, 42) +
                                drawBytes(2, 2, QDate(2003, 7, 5), {10, 20, 30, 40, 50}, 1) +
                                drawBytes(3, 3, QDate(2003, 7, 9), {5, 15, 25, 35, 45}, 7);
    EXPECT_EQ(fileBytes(path("pbk.rtl")), expected);
    EXPECT_FALSE(QFile::exists(path("pbk.rtl.part")));

    writeFileBytes(path("mm.csv"), kHeader);
    ASSERT_EQ(convert("megamillions", path("mm.csv"), path("million.rtl")).first, 0);
    EXPECT_TRUE(QFile::exists(path("million.rtl")));
    EXPECT_EQ(DrawHistoryFile::countDraws(path("million.rtl")), 0);

    // A bad row is refused by its number and nothing is written.
    const QByteArray good = "2003-07-02,1,2,3,4,5,6\n";
    const std::tuple<const char*, QByteArray, const char*> cases[] = {
        {"powerball", kHeader + good + "2003-07-05,1,2,3,4,54,6\n",
         "row 3: ball 5 (\"54\") is not a number from 1 to 53"},
        {"megamillions", kHeader + "2003-07-04,1,2,3,4,53,6\n",
         "row 2: ball 5 (\"53\") is not a number from 1 to 52"},
        {"powerball", kHeader + "2003-07-02,1,2,3,4,5,43\n",
         "row 2: ball 6 (\"43\") is not a number from 1 to 42"},
        {"powerball", kHeader + "2003-07-02,0,2,3,4,5,6\n", "row 2: ball 1"},
        {"powerball", kHeader + good + "2003-07-05,1,2,3,5,4,6\n",
         "row 3: the five main balls are not in ascending order"},
        {"powerball", kHeader + good + "2003-06-28,1,2,3,4,5,6\n",
         "row 3: the date 2003-06-28 is not after the date of the row before"},
        {"powerball", kHeader + good + good, "row 3: the date 2003-07-02"},
        {"powerball", kHeader + "2003-02-30,1,2,3,4,5,6\n", "row 2: the date \"2003-02-30\""},
        {"powerball", kHeader + good + "2003-07-05,1,2,3,4,5\n", "row 3: expected 7 fields"},
        {"powerball", kHeader + good + "\n" + "2003-07-09,1,2,3,4,99,6\n", "row 4: ball 5"},
        {"powerball", good, "row 1"}, // no header
        {"megamillions70", kHeader + "2025-04-08,1,2,3,4,70,25\n", "a number from 1 to 24"},
    };
    for (const auto& [game, csv, shown] : cases) {
        writeFileBytes(path("in.csv"), csv);
        const auto [code, problem] = convert(game, path("in.csv"), path("out.rtl"));
        EXPECT_EQ(code, 1) << shown;
        EXPECT_TRUE(problem.contains(QString::fromLatin1(shown))) << problem.toStdString();
        EXPECT_FALSE(QFile::exists(path("out.rtl")) || QFile::exists(path("out.rtl.part")));
    }

    // An existing history is never overwritten.
    writeFileBytes(path("in.csv"), kHeader + good);
    const auto [code, problem] = convert("powerball", path("in.csv"), path("pbk.rtl"));
    EXPECT_NE(code, 0);
    EXPECT_TRUE(problem.contains("already exists")) << problem.toStdString();
    EXPECT_EQ(fileBytes(path("pbk.rtl")), expected);
}

std::array<int, 9> drawFields(const DrawRecord& r) {
    return {r.day,      r.month,    r.year,     r.balls[0], r.balls[1],
            r.balls[2], r.balls[3], r.balls[4], r.bonus};
}

TEST_F(Csv2Rtl, DemoHistoriesShipWithTheProgramAndAreNeverOverwritten) {
    // Game, file names, draws, and day, month, year, balls and bonus of the first and last draw.
    // clang-format off
    const std::tuple<const char*, const char*, const char*, int, std::array<int, 9>,
                     std::array<int, 9>> histories[] = {
        {"powerball", "powerball-2002-2005.csv", "pbk.rtl", 302,
         {9, 10, 2002, 9, 10, 38, 42, 43, 5}, {27, 8, 2005, 8, 22, 31, 39, 44, 11}},
        {"megamillions", "megamillions-2002-2005.csv", "million.rtl", 324,
         {17, 5, 2002, 15, 18, 25, 33, 47, 30}, {21, 6, 2005, 9, 13, 40, 46, 50, 30}},
        {"powerball69", "powerball-2015-2026.csv", "pbk69.rtl", 1390,
         {7, 10, 2015, 18, 30, 40, 48, 52, 9}, {5, 8, 2026, 14, 20, 59, 60, 61, 25}},
        {"megamillions70", "megamillions-2017-2026.csv", "million70.rtl", 916,
         {31, 10, 2017, 6, 28, 31, 52, 53, 12}, {7, 8, 2026, 17, 20, 32, 54, 57, 23}}};
    // clang-format on
    for (const auto& [game, csv, name, count, first, last] : histories) {
        const QString rtl = path(name);
        const auto [exitCode, errors] =
            convert(game, QStringLiteral(NUMBRAVA_SOURCE_DIR "/data/") + csv, rtl);
        ASSERT_EQ(exitCode, 0) << errors.toStdString();
        const std::vector<DrawRecord> draws = DrawHistoryFile::readAllDraws(rtl);
        ASSERT_EQ(static_cast<int>(draws.size()), count);
        EXPECT_EQ(QFile(rtl).size(), count * kRecordSize);
        EXPECT_EQ(drawFields(draws.front()), first);
        EXPECT_EQ(drawFields(draws.back()), last);
        QByteArray readBack = kHeader; // draw for draw, as the CSV writes it
        for (const DrawRecord& r : draws)
            readBack += QString::asprintf("%d-%02d-%02d,%d,%d,%d,%d,%d,%d\n", r.year, r.month,
                                          r.day, r.balls[0], r.balls[1], r.balls[2], r.balls[3],
                                          r.balls[4], r.bonus)
                            .toLatin1();
        EXPECT_EQ(readBack, fileBytes(QStringLiteral(NUMBRAVA_SOURCE_DIR "/data/") + csv));
        // The build ships exactly this file, and a fresh data folder gets it.
        EXPECT_EQ(fileBytes(QStringLiteral(NUMBRAVA_BIN_DIR "/../demo/") + name), fileBytes(rtl));
        EXPECT_TRUE(QFile::exists(QStringLiteral(NUMBRAVA_BIN_DIR "/") + name));
    }
    // The build's step placing shipped files refreshes program files but keeps an existing history.
    QDir().mkpath(path("shipped"));
    QDir().mkpath(path("datafolder"));
    for (const char* name : {"pbk.rtl", "Readme.txt"}) {
        writeFileBytes(path("shipped/") + name, QByteArray("shipped ") + name);
        writeFileBytes(path("datafolder/") + name, QByteArray("old ") + name);
    }

    QProcess copy;
    copy.start(QStandardPaths::findExecutable("cmake"),
               {"-DSRC=" + path("shipped"), "-DDST=" + path("datafolder"), "-P",
                QStringLiteral(NUMBRAVA_SOURCE_DIR "/cmake/copy_shipped.cmake")});
    ASSERT_TRUE(copy.waitForFinished(30000));
    ASSERT_EQ(copy.exitCode(), 0) << copy.readAllStandardError().toStdString();
    EXPECT_EQ(fileBytes(path("datafolder/pbk.rtl")) + fileBytes(path("datafolder/Readme.txt")),
              "old pbk.rtlshipped Readme.txt");
}

} // namespace
