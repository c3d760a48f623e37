// Whatever the bytes of a draw history or entry file, every operation either
// works on a sound file or refuses a damaged one with a message naming it,
// and a refused file is left exactly as it was.

#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "data/file_error.h"
#include "support/qt_printers.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

const std::array<std::int16_t, 5> kBalls{3, 12, 25, 33, 41};
const EntryLine kLine{{1, 2, 3, 4, 5}, 6};

QByteArray soundRecords(int n) {
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += RawRecord{.count = n,
                           .word4 = static_cast<std::int16_t>(i),
                           .day = 2,
                           .month = 7,
                           .year = 2003,
                           .numbers = kBalls,
                           .bonus = 7}
                     .bytes();
    return bytes;
}

struct Damage {
    const char* name;
    std::function<QByteArray()> bytes;
};

void PrintTo(const Damage& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<Damage>& damages() {
    static const std::vector<Damage> all{
        {"TruncatedInsideTheLastRecord", [] { return soundRecords(3).left(3 * 26 - 1); }},
        {"TruncatedInsideTheCount", [] { return QByteArray("\x01\x00\x00", 3); }},
        {"TruncatedToOneByte", [] { return QByteArray("\x05", 1); }},
        {"CountNegative", [] { return withCount(soundRecords(3), -1); }},
        {"CountMostNegative", [] { return withCount(soundRecords(3), INT32_MIN); }},
        {"CountOneBeyondTheRecords", [] { return withCount(soundRecords(3), 4); }},
        {"CountWithoutRecords", [] { return withCount(QByteArray(), 1); }},
        // 65537 would read as 1 if the count were cut to 16 bits.
        {"CountBeyondSixteenBits", [] { return withCount(soundRecords(3), 65537); }},
        {"CountLargest", [] { return withCount(soundRecords(3), INT32_MAX); }},
        // Enough records on disk, but more than any reader can count.
        {"CountAboveTheCapacity", [] { return soundRecords(32768); }},
    };
    return all;
}

struct Operation {
    const char* name;
    const char* fileName;
    std::function<void(const QString&)> run;
    int countChange = 0;     // what a successful run does to a non-zero count
    bool needsALine = false; // refuses a file without lines (FileError)
};

void PrintTo(const Operation& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<Operation>& operations() {
    static const std::vector<Operation> all{
        {"countDraws", "pbk.rtl", [](auto& p) { DrawHistoryFile::countDraws(p); }},
        {"findDraw", "pbk.rtl", [](auto& p) { DrawHistoryFile::findDraw(p, 2, 7, 2003); }},
        {"readAllDraws", "pbk.rtl", [](auto& p) { DrawHistoryFile::readAllDraws(p); }},
        {"insertDraw", "pbk.rtl",
         [](auto& p) { DrawHistoryFile::insertDraw(p, kBalls, 7, 5, 7, 2003); }, +1},
        {"deleteDraw", "pbk.rtl", [](auto& p) { DrawHistoryFile::deleteDraw(p, 1); }, -1},
        {"countLines", "PwrB05JUL2003.lot", [](auto& p) { EntryFile::countLines(p); }},
        {"readRecords", "PwrB05JUL2003.lot", [](auto& p) { EntryFile::readRecords(p); }},
        {"readLines", "PwrB05JUL2003.lot", [](auto& p) { EntryFile::readLines(p); }},
        {"appendLine", "PwrB05JUL2003.lot", [](auto& p) { EntryFile::appendLine(p, kLine); }, +1},
        {"replaceLine", "PwrB05JUL2003.lot", [](auto& p) { EntryFile::replaceLine(p, 1, kLine); },
         0, true},
        {"deleteLine", "PwrB05JUL2003.lot", [](auto& p) { EntryFile::deleteLine(p, 1); }, -1},
    };
    return all;
}

class DamagedFile : public ::testing::TestWithParam<std::tuple<Damage, Operation>> {};

TEST_P(DamagedFile, IsRefusedByNameAndLeftUntouched) {
    const auto& [damage, operation] = GetParam();
    TempFolder folder;
    const QByteArray before = damage.bytes();
    const QString path = folder.writeFile(QString::fromLatin1(operation.fileName), before);
    try {
        operation.run(path);
        ADD_FAILURE() << operation.name << " accepted a damaged file";
    } catch (const DamagedFileError& e) {
        EXPECT_TRUE(e.message().contains(QString::fromLatin1(operation.fileName)))
            << e.message().toStdString();
    }
    EXPECT_TRUE(fileBytes(path) == before) << "the damaged file was changed";
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<Damage, Operation>>& info) {
    return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(EveryKindEveryOperation, DamagedFile,
                         ::testing::Combine(::testing::ValuesIn(damages()),
                                            ::testing::ValuesIn(operations())),
                         caseName);

TEST(FullFile, IsReadButNotWrittenBeyondTheCapacity) {
    TempFolder folder;
    const QByteArray full = soundRecords(32767);
    const QString history = folder.writeFile(QStringLiteral("pbk.rtl"), full);
    const QString entries = folder.writeFile(QStringLiteral("StandPB.lot"), full);

    EXPECT_EQ(DrawHistoryFile::countDraws(history), 32767);
    EXPECT_EQ(EntryFile::countLines(entries), 32767);
    EXPECT_THROW(DrawHistoryFile::insertDraw(history, kBalls, 7, 5, 7, 2003), FileError);
    EXPECT_THROW(EntryFile::appendLine(entries, kLine), FileError);
    EXPECT_TRUE(fileBytes(history) == full);
    EXPECT_TRUE(fileBytes(entries) == full);
}

// The count a sound reader must find in these bytes, or nothing when the
// file has to be refused; worked out here independently of the program.
std::optional<int> expectedCount(const QByteArray& bytes) {
    const std::int32_t count = storedCount(bytes);
    const qsizetype records = bytes.size() / kRawRecordSize;
    if (count < 0 || count > 32767 || count > records)
        return std::nullopt;
    return count;
}

TEST(RandomBytes, NeverCrashAndAreEitherUsedOrRefusedUntouched) {
    std::mt19937 random(20030705);
    TempFolder folder;
    const QString path = folder.filePath(QStringLiteral("random.lot"));
    for (int round = 0; round < 300; ++round) {
        const int records = static_cast<int>(random() % 9);
        QByteArray bytes(records * kRawRecordSize + static_cast<int>(random() % 26), '\0');
        for (auto& b : bytes)
            b = static_cast<char>(random() & 0xff);
        // Half of the files get a count that could be sound, so that the
        // writers also run over garbage records.
        if (random() % 2)
            bytes = withCount(bytes, static_cast<std::int32_t>(random() % (records + 4)) - 2);
        const std::optional<int> count = expectedCount(bytes);

        for (const Operation& op : operations()) {
            SCOPED_TRACE(::testing::Message() << "round " << round << ", " << op.name << ", bytes "
                                              << bytes.toHex().toStdString());
            writeFileBytes(path, bytes);
            try {
                op.run(path);
            } catch (const DamagedFileError&) {
                EXPECT_FALSE(count.has_value()) << "a sound file was refused";
                EXPECT_TRUE(fileBytes(path) == bytes) << "a refused file was changed";
                continue;
            } catch (const FileError& e) {
                EXPECT_TRUE(op.needsALine && count == 0) << e.message().toStdString();
                EXPECT_TRUE(fileBytes(path) == bytes) << "a refused file was changed";
                continue;
            }
            ASSERT_TRUE(count.has_value()) << "a damaged file was accepted";
            const int change = *count == 0 && op.countChange < 0 ? 0 : op.countChange;
            EXPECT_EQ(storedCount(fileBytes(path)), *count + change);
            if (op.countChange == 0 && !op.needsALine)
                EXPECT_TRUE(fileBytes(path) == bytes) << "a reader changed the file";
        }
    }
}

} // namespace
