#include "data/entry_file.h"

#include "data/file_error.h"
#include "support/qt_printers.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

const EntryLine kL1{{1, 2, 3, 4, 5}, 6};
const EntryLine kL2{{10, 11, 12, 13, 14}, 15};
const EntryLine kL3{{20, 21, 22, 23, 24}, 25};
const EntryLine kL4{{30, 31, 32, 33, 34}, 35};

// An entry record; the other fields are those a text import leaves behind.
QByteArray entry(std::int32_t count, const EntryLine& line, std::int16_t mark = 0,
                 std::int16_t unused = 0, std::int16_t day = 0) {
    return RawRecord{.count = count,
                     .word4 = unused,
                     .day = day,
                     .month = static_cast<std::int16_t>(day ? 7 : 0),
                     .year = static_cast<std::int16_t>(day ? 2003 : 0),
                     .numbers = line.numbers,
                     .bonus = line.bonus,
                     .word24 = mark}
        .bytes();
}

TEST(EntryFileNames, DatedNamesCarryPrefixTwoDigitDayMonthAndYear) {
    EXPECT_EQ(datedEntryFileName("/data", Powerball, QDate(2003, 7, 5)), "/data/PwrB05JUL2003.lot");
    EXPECT_EQ(datedEntryFileName("/data", MegaMillions, QDate(2003, 12, 1)),
              "/data/Mega01DEC2003.lot");
    EXPECT_EQ(wheelEntryFileName(Powerball, "5-3"), "PwrB-5-5-3.lot");
    EXPECT_EQ(wheelEntryFileName(MegaMillions, "4-3"), "Mega-5-4-3.lot");
}

struct NamedKind {
    const char* path;
    EntryKind kind;
};

void PrintTo(const NamedKind& c, std::ostream* os) {
    *os << c.path;
}

class EntryKindOf : public ::testing::TestWithParam<NamedKind> {};

TEST_P(EntryKindOf, IsToldByTheFileNameAlone) {
    EXPECT_EQ(entryKindOf(QString::fromLatin1(GetParam().path)), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Names, EntryKindOf,
    ::testing::Values(NamedKind{"/data/StandPB.lot", EntryKind::Standing},
                      NamedKind{"/data/StandMM.lot", EntryKind::Standing},
                      NamedKind{"/data/PwrB-5-5-3.lot", EntryKind::Wheel},
                      NamedKind{"/data/Mega-5-4-3.lot", EntryKind::Wheel},
                      NamedKind{"/data/PwrB05JUL2003.lot", EntryKind::Dated},
                      NamedKind{"/data/temp.lot", EntryKind::Dated},
                      // "Stand" is case-sensitive and wins over a dash.
                      NamedKind{"/data/standPB.lot", EntryKind::Dated},
                      NamedKind{"/data/Stand-5-5-3.lot", EntryKind::Standing},
                      // The folder's name does not count.
                      NamedKind{"/my-data/PwrB05JUL2003.lot", EntryKind::Dated},
                      NamedKind{"/Stand/Mega01DEC2003.lot", EntryKind::Dated}));

TEST(EntryDisplayLine, TwoDigitNumbersAndTheGameTag) {
    EXPECT_EQ(entryDisplayLine(MegaMillions, EntryLine{{1, 2, 3, 4, 52}, 9}),
              "01 02 03 04 52 MB 09");
    EXPECT_EQ(entryDisplayLine(Powerball, EntryLine{{10, 9, 0, 53, 1}, 42}),
              "10 09 00 53 01 PB 42");
}

class EntryFileTest : public ::testing::Test {
  protected:
    TempFolder folder;
    QString path = folder.filePath(QStringLiteral("PwrB05JUL2003.lot"));

    QByteArray onDisk() const { return fileBytes(path); }

    // Three lines whose records differ in every field a writer might copy.
    void writeThreeLines() {
        folder.writeFile(QStringLiteral("PwrB05JUL2003.lot"),
                         entry(3, kL1, 1, 5, 5) + entry(1, kL2, 2, 6, 6) + entry(2, kL3, 3, 7, 7));
    }
};

TEST_F(EntryFileTest, AppendingThreeLinesToANewFile) {
    EntryFile::appendLine(path, kL1);
    EntryFile::appendLine(path, kL2);
    EntryFile::appendLine(path, kL3);
    // Each new record starts from record 1 as read, before its count rose.
    EXPECT_EQ(onDisk(), entry(3, kL1) + entry(1, kL2) + entry(2, kL3));
    EXPECT_EQ(EntryFile::countLines(path), 3);
    EXPECT_EQ(EntryFile::readLines(path), (std::vector<EntryLine>{kL1, kL2, kL3}));
}

TEST_F(EntryFileTest, AppendCopiesTheOtherFieldsOfRecordOne) {
    writeThreeLines();
    EntryFile::appendLine(path, kL4);
    EXPECT_EQ(recordOf(onDisk(), 4), entry(3, kL4, 1, 5, 5));
    EXPECT_EQ(recordOf(onDisk(), 1), entry(4, kL1, 1, 5, 5));
    EXPECT_EQ(EntryFile::readLines(path).back(), kL4);
}

// A delete moves the later records up whole and leaves zero records behind;
// a line that is not stored changes nothing.
TEST_F(EntryFileTest, DeletingALine) {
    const QByteArray three =
        entry(3, kL1, 1, 5, 5) + entry(1, kL2, 2, 6, 6) + entry(2, kL3, 3, 7, 7);
    const struct {
        QByteArray before;
        int line;
        QByteArray after;
    } cases[] = {{three, 1, entry(2, kL2, 2, 6, 6) + entry(2, kL3, 3, 7, 7) + zeroRecords(2)},
                 {three, 3, entry(2, kL1, 1, 5, 5) + entry(1, kL2, 2, 6, 6) + zeroRecords(2)},
                 {entry(1, kL1), 1, zeroRecords(2)},
                 {three, -1, three},
                 {three, 0, three},
                 {three, 4, three}};
    for (const auto& c : cases) {
        writeFileBytes(path, c.before);
        EXPECT_EQ(EntryFile::deleteLine(path, c.line), c.after != c.before) << c.line;
        EXPECT_EQ(onDisk(), c.after) << c.line;
    }
    EXPECT_EQ(EntryFile::readLines(path), (std::vector<EntryLine>{kL1, kL2, kL3}));
}

TEST_F(EntryFileTest, ReplaceLineChangesOnlyTheSixNumbers) {
    writeThreeLines();
    EntryFile::replaceLine(path, 2, kL4);
    EXPECT_EQ(onDisk(), entry(3, kL1, 1, 5, 5) + entry(1, kL4, 2, 6, 6) + entry(2, kL3, 3, 7, 7));

    const QByteArray before = onDisk();
    EXPECT_THROW(EntryFile::replaceLine(path, 4, kL1), FileError);
    EXPECT_THROW(EntryFile::replaceLine(path, 0, kL1), FileError);
    EXPECT_EQ(onDisk(), before);
}

TEST_F(EntryFileTest, AVisitCreatesTheFileAndMovingOnDeletesItWhileEmpty) {
    EXPECT_FALSE(EntryFile::deleteEmptyEntryFile(path)); // missing: not created either
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(EntryFile::deleteEmptyEntryFile(QString()));

    EXPECT_EQ(EntryFile::countLines(path), 0);
    EXPECT_TRUE(EntryFile::readLines(path).empty());
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_TRUE(EntryFile::deleteEmptyEntryFile(path));
    EXPECT_FALSE(QFile::exists(path));

    // Emptied by deletes.
    EntryFile::appendLine(path, kL1);
    EntryFile::deleteLine(path, 1);
    EXPECT_TRUE(EntryFile::deleteEmptyEntryFile(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(EntryFileTest, FilesWithLinesOrDamagedAreNeverDeleted) {
    writeThreeLines();
    // The count claims lines that are not there: that is not an empty file.
    for (const QByteArray& bytes :
         {onDisk(), withCount(entry(0, kL1), 2), withCount(entry(0, kL1), -1)}) {
        writeFileBytes(path, bytes);
        EXPECT_FALSE(EntryFile::deleteEmptyEntryFile(path));
        EXPECT_EQ(onDisk(), bytes);
    }
}

} // namespace
