#include "data/draw_history_file.h"

#include "support/qt_printers.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

struct Balls {
    std::array<std::int16_t, 5> main;
    std::int16_t bonus;
};

const Balls kA{{3, 12, 25, 33, 41}, 7};
const Balls kB{{1, 2, 3, 4, 5}, 42};
const Balls kC{{10, 20, 30, 40, 53}, 1};
const Balls kD{{6, 7, 8, 9, 11}, 13};
const Balls kE{{14, 15, 16, 17, 18}, 19};

// The bytes a draw of July 2003 should have on disk.
QByteArray julyDraw(int count, int position, int day, const Balls& b, int spare = 0) {
    return drawBytes(count, position, QDate(2003, 7, day), b.main, b.bonus, spare);
}

class DrawHistoryFileTest : public ::testing::Test {
  protected:
    TempFolder folder;
    QString path = historyFilePath(folder.path(), Powerball);

    void insert(int day, const Balls& b) {
        DrawHistoryFile::insertDraw(path, b.main, b.bonus, day, 7, 2003);
    }
    QByteArray onDisk() const { return fileBytes(path); }

    // 2, 5 and 9 July with stale count fields and spare words that tell the
    // records apart, so each test sees which bytes a writer started from.
    void writeThreeDraws() {
        folder.writeFile(QStringLiteral("pbk.rtl"), julyDraw(3, 1, 2, kB, 11) +
                                                        julyDraw(0, 2, 5, kA, 22) +
                                                        julyDraw(7, 3, 9, kC, 33));
    }
};

TEST_F(DrawHistoryFileTest, MissingFileReadsAsEmptyAndIsCreated) {
    EXPECT_EQ(DrawHistoryFile::countDraws(path), 0);
    EXPECT_EQ(DrawHistoryFile::findDraw(path, 5, 7, 2003), 0);
    EXPECT_TRUE(DrawHistoryFile::readAllDraws(path).empty());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(onDisk(), QByteArray());
}

TEST_F(DrawHistoryFileTest, InsertsKeepDateOrderAndLeaveTheWritersStaleCounts) {
    insert(5, kA);
    EXPECT_EQ(onDisk(), julyDraw(1, 1, 5, kA));
    EXPECT_EQ(DrawHistoryFile::findDraw(path, 5, 7, 2003), 1);
    insert(2, kB); // before record 1: the old record 1 moves up as it was
    insert(9, kC); // appended from record 1's bytes after its count rose to 3
    EXPECT_EQ(onDisk(), julyDraw(3, 1, 2, kB) + julyDraw(1, 2, 5, kA) + julyDraw(3, 3, 9, kC));

    const auto draws = DrawHistoryFile::readAllDraws(path);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[2].toBytes(), julyDraw(3, 3, 9, kC));
    EXPECT_EQ(DrawHistoryFile::countDraws(path), 3);
    EXPECT_EQ(DrawHistoryFile::findDraw(path, 9, 7, 2003), 3);
}

TEST_F(DrawHistoryFileTest, InsertingAmongThreeDrawsKeepsDateOrder) {
    const struct {
        int day;
        QByteArray after;
        int found;
    } cases[] = {
        // An equal date goes after the draw there, written from the bytes of the old record 3.
        {5,
         julyDraw(4, 1, 2, kB, 11) + julyDraw(0, 2, 5, kA, 22) + julyDraw(7, 3, 5, kE, 33) +
             julyDraw(7, 4, 9, kC, 33),
         2},
        // Earlier than all: every record moves up.
        {1,
         julyDraw(4, 1, 1, kE, 11) + julyDraw(3, 2, 2, kB, 11) + julyDraw(0, 3, 5, kA, 22) +
             julyDraw(7, 4, 9, kC, 33),
         1},
        // Later than all: appended from the bytes of record 1.
        {12,
         julyDraw(4, 1, 2, kB, 11) + julyDraw(0, 2, 5, kA, 22) + julyDraw(7, 3, 9, kC, 33) +
             julyDraw(4, 4, 12, kE, 11),
         4}};
    for (const auto& c : cases) {
        writeThreeDraws();
        insert(c.day, kE);
        EXPECT_EQ(onDisk(), c.after) << c.day;
        EXPECT_EQ(DrawHistoryFile::countDraws(path), 4);
        EXPECT_EQ(DrawHistoryFile::findDraw(path, c.day, 7, 2003), c.found);
    }
}

TEST_F(DrawHistoryFileTest, OrderGoesByYearThenMonthThenDay) {
    DrawHistoryFile::insertDraw(path, kA.main, kA.bonus, 1, 1, 2004);
    DrawHistoryFile::insertDraw(path, kB.main, kB.bonus, 31, 12, 2003);
    DrawHistoryFile::insertDraw(path, kC.main, kC.bonus, 2, 10, 2003);
    DrawHistoryFile::insertDraw(path, kD.main, kD.bonus, 30, 9, 2003);
    const auto draws = DrawHistoryFile::readAllDraws(path);
    ASSERT_EQ(draws.size(), 4u);
    EXPECT_EQ(draws[0].dateNumber(), 20030930);
    EXPECT_EQ(draws[1].dateNumber(), 20031002);
    EXPECT_EQ(draws[2].dateNumber(), 20031231);
    EXPECT_EQ(draws[3].dateNumber(), 20040101);
}

TEST_F(DrawHistoryFileTest, RecordsBeyondTheCountAreNeitherFoundNorOrderedAgainst) {
    // A stale fourth record dated 1 July must not stop an append at record 4.
    writeThreeDraws();
    QByteArray bytes = onDisk() + julyDraw(3, 4, 1, kD, 44);
    writeFileBytes(path, bytes);
    EXPECT_EQ(DrawHistoryFile::findDraw(path, 1, 7, 2003), 0);
    EXPECT_EQ(DrawHistoryFile::readAllDraws(path).size(), 3u);

    insert(10, kE);
    EXPECT_EQ(recordOf(onDisk(), 4), julyDraw(4, 4, 10, kE, 11));
}

// A delete moves the later records up and leaves the old last record on
// disk; a record that is not a draw changes nothing.
TEST_F(DrawHistoryFileTest, DeletingADraw) {
    writeThreeDraws();
    const QByteArray three = onDisk();
    const QByteArray lastTwice = julyDraw(7, 2, 9, kC, 33) + julyDraw(7, 3, 9, kC, 33);
    const struct {
        QByteArray before;
        int record;
        QByteArray after;
    } cases[] = {{three, 1, julyDraw(2, 1, 5, kA, 22) + lastTwice},
                 {three, 2, julyDraw(2, 1, 2, kB, 11) + lastTwice},
                 {julyDraw(2, 1, 2, kB, 11) + lastTwice, 2, julyDraw(1, 1, 2, kB, 11) + lastTwice},
                 {three, -1, three},
                 {three, 0, three},
                 {three, 4, three},
                 {three, 32767, three},
                 {julyDraw(1, 1, 5, kA), 1, julyDraw(0, 1, 5, kA)}};
    for (const auto& c : cases) {
        writeFileBytes(path, c.before);
        EXPECT_EQ(DrawHistoryFile::deleteDraw(path, c.record), c.after != c.before) << c.record;
        EXPECT_EQ(onDisk(), c.after) << c.record;
    }
    EXPECT_EQ(DrawHistoryFile::findDraw(path, 5, 7, 2003), 0);
    EXPECT_TRUE(DrawHistoryFile::readAllDraws(path).empty());
    insert(9, kC); // the next insert starts again at record 1
    EXPECT_EQ(onDisk(), julyDraw(1, 1, 9, kC));
}

TEST_F(DrawHistoryFileTest, ReadDrawGivesAnyRecordAndZerosPastTheEnd) {
    writeThreeDraws();
    const DrawRecord second = DrawHistoryFile::readDraw(path, 2);
    EXPECT_EQ(second.toBytes(), julyDraw(0, 2, 5, kA, 22));
    EXPECT_EQ(DrawHistoryFile::readDraw(path, 4).toBytes(), zeroRecords(1));
}

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
