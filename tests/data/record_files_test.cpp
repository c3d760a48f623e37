#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "data/file_error.h"
#include "data/record_file.h"
#include "support/qt_printers.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

#include <functional>
#include <tuple>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

const EntryLine kA{{3, 12, 25, 33, 41}, 7};
const EntryLine kB{{1, 2, 3, 4, 5}, 42};
const EntryLine kC{{10, 20, 30, 40, 53}, 1};
const EntryLine kD{{6, 7, 8, 9, 11}, 13};
const EntryLine kE{{14, 15, 16, 17, 18}, 19};

QByteArray julyDraw(int count, int position, int day, const EntryLine& b, int spare = 0) {
    return drawBytes(count, position, QDate(2003, 7, day), b.numbers, b.bonus, spare);
}

// 2, 5 and 9 July; stale counts and distinct spare words show which bytes a writer started from.
const QByteArray kThreeDraws =
    julyDraw(3, 1, 2, kB, 11) + julyDraw(0, 2, 5, kA, 22) + julyDraw(7, 3, 9, kC, 33);

class RecordFileTest : public ::testing::Test {
  protected:
    TempFolder folder;
    QString path = folder.filePath(QStringLiteral("records"));

    void insert(int day, const EntryLine& b, int month = 7, int year = 2003) {
        DrawHistoryFile::insertDraw(path, b.numbers, b.bonus, day, month, year);
    }
    QByteArray onDisk() const { return fileBytes(path); }
};

TEST_F(RecordFileTest, DrawsAreInsertedInDateOrderAndDeleted) {
    EXPECT_EQ(DrawHistoryFile::countDraws(path), 0);
    EXPECT_EQ(DrawHistoryFile::findDraw(path, 5, 7, 2003), 0);
    EXPECT_TRUE(DrawHistoryFile::readAllDraws(path).empty());
    EXPECT_TRUE(QFile::exists(path) && onDisk().isEmpty());
    insert(5, kA);
    EXPECT_EQ(onDisk(), julyDraw(1, 1, 5, kA));
    EXPECT_EQ(DrawHistoryFile::findDraw(path, 5, 7, 2003), 1);
    // Order goes by year, then month, then day.
    insert(1, kA, 1, 2004);
    insert(31, kB, 12, 2003);
    insert(2, kC, 10, 2003);
    std::vector<long long> dates;
    for (const DrawRecord& draw : DrawHistoryFile::readAllDraws(path))
        dates.push_back(draw.dateNumber());
    EXPECT_EQ(dates, (std::vector<long long>{20030705, 20031002, 20031231, 20040101}));

    const std::tuple<int, int, QByteArray> inserts[] = {
        // An equal date goes after the draw there, from the bytes of the old record 3.
        {5, 2,
         julyDraw(4, 1, 2, kB, 11) + julyDraw(0, 2, 5, kA, 22) + julyDraw(7, 3, 5, kE, 33) +
             julyDraw(7, 4, 9, kC, 33)},
        // Earlier than all: every record moves up.
        {1, 1,
         julyDraw(4, 1, 1, kE, 11) + julyDraw(3, 2, 2, kB, 11) + julyDraw(0, 3, 5, kA, 22) +
             julyDraw(7, 4, 9, kC, 33)},
        // Later than all: appended from the bytes of record 1.
        {12, 4,
         julyDraw(4, 1, 2, kB, 11) + julyDraw(0, 2, 5, kA, 22) + julyDraw(7, 3, 9, kC, 33) +
             julyDraw(4, 4, 12, kE, 11)}};
    for (const auto& [day, found, after] : inserts) {
        writeFileBytes(path, kThreeDraws);
        insert(day, kE);
        EXPECT_EQ(onDisk(), after) << day;
        EXPECT_EQ(DrawHistoryFile::countDraws(path), 4);
        EXPECT_EQ(DrawHistoryFile::findDraw(path, day, 7, 2003), found);
    }

    // A stale fourth record dated 1 July must not stop an append at record 4.
    writeFileBytes(path, kThreeDraws + julyDraw(3, 4, 1, kD, 44));
    EXPECT_EQ(DrawHistoryFile::findDraw(path, 1, 7, 2003), 0);
    EXPECT_EQ(DrawHistoryFile::readAllDraws(path).size(), 3u);
    EXPECT_EQ(DrawHistoryFile::readDraw(path, 2).toBytes(), julyDraw(0, 2, 5, kA, 22));
    EXPECT_EQ(DrawHistoryFile::readDraw(path, 5).toBytes(), zeroRecords(1));

    insert(10, kE);
    EXPECT_EQ(recordOf(onDisk(), 4), julyDraw(4, 4, 10, kE, 11));

    // A delete moves later records up, leaving the old last on disk; a non-draw changes nothing.
    const QByteArray lastTwice = julyDraw(7, 2, 9, kC, 33) + julyDraw(7, 3, 9, kC, 33);
    const std::tuple<QByteArray, int, QByteArray> deletes[] = {
        {kThreeDraws, 1, julyDraw(2, 1, 5, kA, 22) + lastTwice},
        {kThreeDraws, 2, julyDraw(2, 1, 2, kB, 11) + lastTwice},
        {julyDraw(2, 1, 2, kB, 11) + lastTwice, 2, julyDraw(1, 1, 2, kB, 11) + lastTwice},
        {kThreeDraws, -1, kThreeDraws},
        {kThreeDraws, 0, kThreeDraws},
        {kThreeDraws, 4, kThreeDraws},
        {kThreeDraws, 32767, kThreeDraws},
        {julyDraw(1, 1, 5, kA), 1, julyDraw(0, 1, 5, kA)}};
    for (const auto& [before, record, after] : deletes) {
        writeFileBytes(path, before);
        EXPECT_EQ(DrawHistoryFile::deleteDraw(path, record), after != before) << record;
        EXPECT_EQ(onDisk(), after) << record;
    }
    EXPECT_EQ(DrawHistoryFile::findDraw(path, 5, 7, 2003), 0);
    EXPECT_TRUE(DrawHistoryFile::readAllDraws(path).empty());
    insert(9, kC); // the next insert starts again at record 1
    EXPECT_EQ(onDisk(), julyDraw(1, 1, 9, kC));
}

// Distinct words, negatives, both bytes of each in use: a swapped field, byte order or sign shows.
TEST(RecordBytes, FieldsSitWhereTheFileFormatPutsThem) {
    using W = std::int16_t;
    const std::array<W, 5> numbers{0x0506, 0x0708, 0x090a, -32768, 32767};
    const QByteArray bytes =
        RawRecord{-123456789, -2, 0x0102, 0x0304, 2003, numbers, 0x0b0c, -300}.bytes();
    const DrawRecord draw = DrawRecord::fromBytes(bytes);
    EXPECT_EQ(std::tie(draw.count, draw.position, draw.day, draw.month, draw.year, draw.balls,
                       draw.bonus, draw.spare),
              std::make_tuple(-123456789, W{-2}, W{0x0102}, W{0x0304}, W{2003}, numbers, W{0x0b0c},
                              W{-300}));
    EXPECT_EQ(draw.toBytes(), bytes);

    const EntryRecord entry = EntryRecord::fromBytes(bytes);
    EXPECT_EQ(std::tie(entry.count, entry.unused, entry.line, entry.mark),
              std::make_tuple(-123456789, W{-2}, EntryLine{numbers, 0x0b0c}, W{-300}));
    EXPECT_EQ(entry.toBytes(), bytes);
}

// An entry record; the other fields are those a text import leaves behind.
QByteArray entry(std::int32_t count, const EntryLine& line, std::int16_t mark = 0,
                 std::int16_t unused = 0, std::int16_t day = 0) {
    const std::int16_t month = day ? 7 : 0, year = day ? 2003 : 0;
    return RawRecord{count, unused, day, month, year, line.numbers, line.bonus, mark}.bytes();
}

// Three lines whose records differ in every field a writer might copy.
const QByteArray kThreeLines =
    entry(3, kB, 1, 5, 5) + entry(1, kA, 2, 6, 6) + entry(2, kC, 3, 7, 7);

TEST(EntryFileNames, PaddedDayAndNumbersAndTheKindToldByTheNameAlone) {
    EXPECT_EQ(datedEntryFileName("/data", MegaMillions, QDate(2003, 12, 1)),
              "/data/Mega01DEC2003.lot");
    EXPECT_EQ(entryDisplayLine(Powerball, EntryLine{{10, 9, 0, 53, 1}, 42}),
              "10 09 00 53 01 PB 42");
    // By the file name alone: "Stand" (case-sensitive) beats a dash; the folder does not count.
    using enum EntryKind;
    std::vector<EntryKind> kinds;
    for (const char* path :
         {"/data/StandPB.lot", "/data/StandMM.lot", "/data/Stand-5-5-3.lot", "/data/PwrB-5-5-3.lot",
          "/data/Mega-5-4-3.lot", "/data/PwrB05JUL2003.lot", "/data/temp.lot", "/data/standPB.lot",
          "/my-data/PwrB05JUL2003.lot", "/Stand/Mega01DEC2003.lot"})
        kinds.push_back(entryKindOf(QString::fromLatin1(path)));
    EXPECT_EQ(kinds, (std::vector{Standing, Standing, Standing, Wheel, Wheel, Dated, Dated, Dated,
                                  Dated, Dated}));
}

// Each new record starts from record 1 as read, before its count rose.
TEST_F(RecordFileTest, EntryLinesAppendedDeletedAndReplaced) {
    for (const EntryLine& line : {kB, kA, kC})
        EntryFile::appendLine(path, line);
    EXPECT_EQ(onDisk(), entry(3, kB) + entry(1, kA) + entry(2, kC));
    EXPECT_EQ(EntryFile::countLines(path), 3);

    writeFileBytes(path, kThreeLines);
    EntryFile::appendLine(path, kD);
    EXPECT_EQ(onDisk(), withCount(kThreeLines, 4) + entry(3, kD, 1, 5, 5));
    EXPECT_EQ(EntryFile::readLines(path), (std::vector<EntryLine>{kB, kA, kC, kD}));

    // A delete moves later records up whole, leaving zeros behind; an unstored line: no change.
    const std::tuple<QByteArray, int, QByteArray> cases[] = {
        {kThreeLines, 1, entry(2, kA, 2, 6, 6) + entry(2, kC, 3, 7, 7) + zeroRecords(2)},
        {kThreeLines, 3, entry(2, kB, 1, 5, 5) + entry(1, kA, 2, 6, 6) + zeroRecords(2)},
        {entry(1, kB), 1, zeroRecords(2)},
        {kThreeLines, -1, kThreeLines},
        {kThreeLines, 0, kThreeLines},
        {kThreeLines, 4, kThreeLines}};
    for (const auto& [before, line, after] : cases) {
        writeFileBytes(path, before);
        EXPECT_EQ(EntryFile::deleteLine(path, line), after != before) << line;
        EXPECT_EQ(onDisk(), after) << line;
    }
    // Replacing a line changes only its six numbers.
    writeFileBytes(path, kThreeLines);
    EntryFile::replaceLine(path, 2, kD);
    const QByteArray after = entry(3, kB, 1, 5, 5) + entry(1, kD, 2, 6, 6) + entry(2, kC, 3, 7, 7);
    EXPECT_EQ(onDisk(), after);
    EXPECT_THROW(EntryFile::replaceLine(path, 4, kB), FileError);
    EXPECT_THROW(EntryFile::replaceLine(path, 0, kB), FileError);
    EXPECT_EQ(onDisk(), after);

    // A visit creates the file; moving on deletes it only while empty.
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(EntryFile::deleteEmptyEntryFile(path)); // missing: not created either
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(EntryFile::deleteEmptyEntryFile(QString()));

    EXPECT_EQ(EntryFile::countLines(path), 0);
    EXPECT_TRUE(EntryFile::readLines(path).empty());
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_TRUE(EntryFile::deleteEmptyEntryFile(path));
    EXPECT_FALSE(QFile::exists(path));

    EntryFile::appendLine(path, kB);
    EntryFile::deleteLine(path, 1);
    EXPECT_TRUE(EntryFile::deleteEmptyEntryFile(path));
    EXPECT_FALSE(QFile::exists(path));

    // A count that claims lines that are not there is not an empty file.
    for (const QByteArray& bytes :
         {kThreeLines, withCount(entry(0, kB), 2), withCount(entry(0, kB), -1)}) {
        writeFileBytes(path, bytes);
        EXPECT_FALSE(EntryFile::deleteEmptyEntryFile(path));
        EXPECT_EQ(onDisk(), bytes);
    }
}

QByteArray soundRecords(int n) {
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes +=
            RawRecord{n, static_cast<std::int16_t>(i), 2, 7, 2003, kA.numbers, kA.bonus}.bytes();
    return bytes;
}

struct Operation {
    const char* name;
    std::function<void(const QString&)> run;
    int countChange = 0;     // what a successful run does to a non-zero count
    bool needsALine = false; // refuses a file without lines (FileError)
};

// The count a sound reader must find, or nothing for a refusal; worked out apart from the program.
std::optional<int> expectedCount(const QByteArray& bytes) {
    const std::int32_t count = storedCount(bytes);
    const bool sound = count >= 0 && count <= 32767 && count <= bytes.size() / kRawRecordSize;
    return sound ? std::optional(count) : std::nullopt;
}

// Sound files work, damaged ones are refused by name; random bytes are the fuzz targets' part.
TEST(DamagedFile, IsRefusedByNameAndLeftUntouched) {
    const QByteArray three = soundRecords(3);
    // Two sound files; then cut inside the last record, the count or its first byte; counts out of
    // range (65537 reads as 1 if cut to 16 bits); more records than any reader can count.
    // clang-format off
    const QByteArray inputs[] = {three, withCount(three, 0), three.left(3 * 26 - 1),
        QByteArray("\x01\x00\x00", 3), QByteArray("\x05", 1), withCount(three, -1),
        withCount(three, INT32_MIN), withCount(three, 4), withCount(QByteArray(), 1),
        withCount(three, 65537), withCount(three, INT32_MAX), soundRecords(32768)};
    // clang-format on
    const Operation operations[] = {
        {"countDraws", [](auto& p) { DrawHistoryFile::countDraws(p); }},
        {"findDraw", [](auto& p) { DrawHistoryFile::findDraw(p, 2, 7, 2003); }},
        {"readAllDraws", [](auto& p) { DrawHistoryFile::readAllDraws(p); }},
        {"insertDraw", [](auto& p) { DrawHistoryFile::insertDraw(p, kA.numbers, 7, 5, 7, 2003); },
         +1},
        {"deleteDraw", [](auto& p) { DrawHistoryFile::deleteDraw(p, 1); }, -1},
        {"countLines", [](auto& p) { EntryFile::countLines(p); }},
        {"readRecords", [](auto& p) { EntryFile::readRecords(p); }},
        {"readLines", [](auto& p) { EntryFile::readLines(p); }},
        {"appendLine", [](auto& p) { EntryFile::appendLine(p, kB); }, +1},
        {"replaceLine", [](auto& p) { EntryFile::replaceLine(p, 1, kB); }, 0, true},
        {"deleteLine", [](auto& p) { EntryFile::deleteLine(p, 1); }, -1},
    };
    TempFolder folder;
    for (size_t i = 0; i < std::size(inputs); ++i) {
        const QByteArray& bytes = inputs[i];
        const std::optional<int> count = expectedCount(bytes);
        for (const Operation& op : operations) {
            SCOPED_TRACE(::testing::Message() << "input " << i << ", " << op.name);
            const QString path = folder.writeFile(QStringLiteral("PwrB05JUL2003.lot"), bytes);
            try {
                op.run(path);
            } catch (const FileError& e) {
                EXPECT_TRUE(dynamic_cast<const DamagedFileError*>(&e)
                                ? !count && e.message().contains("PwrB05JUL2003.lot")
                                : op.needsALine && count == 0)
                    << e.message().toStdString();
                EXPECT_TRUE(fileBytes(path) == bytes) << "a refused file was changed";
                continue;
            }
            ASSERT_TRUE(count.has_value())
                << "a damaged file was accepted: " << bytes.left(200).toHex().toStdString();
            const int change = *count == 0 && op.countChange < 0 ? 0 : op.countChange;
            EXPECT_EQ(storedCount(fileBytes(path)), *count + change);
            if (op.countChange == 0 && !op.needsALine)
                EXPECT_TRUE(fileBytes(path) == bytes) << "a reader changed the file";
        }
    }
}

QString countOrProblem(RecordFile& file) {
    try {
        return QString::number(file.count());
    } catch (const FileError& error) {
        return error.message();
    }
}

TEST(LargestFiles, AreReadWholeAsRecordByRecordAndNotOverfilled) {
    const std::pair<const char*, QByteArray> shapes[] = {
        {"full", soundRecords(kMaxRecords)},
        {"full with the record a delete leaves",
         withCount(soundRecords(kMaxRecords + 1), kMaxRecords - 1)},
        {"last record short", soundRecords(kMaxRecords).chopped(5)},
        {"count beyond the records", withCount(soundRecords(100), kMaxRecords)},
        {"larger than any written", withCount(soundRecords(kMaxRecords + 3), kMaxRecords)},
        {"empty", QByteArray()}};
    TempFolder folder;
    for (const auto& [name, bytes] : shapes) {
        SCOPED_TRACE(name);
        const QString path = folder.writeFile(QStringLiteral("pbk.rtl"), bytes);
        RecordFile onDisk(path, kRawRecordSize, RecordFile::Mode::Read);
        RecordFile whole(path, kRawRecordSize, RecordFile::Mode::Read);
        whole.readWhole();
        EXPECT_EQ(countOrProblem(whole), countOrProblem(onDisk));
        ASSERT_EQ(whole.recordsOnDisk(), onDisk.recordsOnDisk());
        for (int k = 0; k <= onDisk.recordsOnDisk() + 2; ++k)
            ASSERT_EQ(whole.read(k), onDisk.read(k)) << "record " << k;
        EXPECT_EQ(fileBytes(path), bytes); // reading never writes
    }
    // A full file is read whole but never written beyond the capacity.
    const QByteArray full = soundRecords(kMaxRecords);
    const QString path = folder.writeFile(QStringLiteral("StandPB.lot"), full);
    EXPECT_EQ(DrawHistoryFile::countDraws(path), kMaxRecords);
    EXPECT_EQ(EntryFile::countLines(path), kMaxRecords);
    EXPECT_THROW(DrawHistoryFile::insertDraw(path, kA.numbers, 7, 5, 7, 2003), FileError);
    EXPECT_THROW(EntryFile::appendLine(path, kB), FileError);
    EXPECT_TRUE(fileBytes(path) == full);
}

} // namespace
