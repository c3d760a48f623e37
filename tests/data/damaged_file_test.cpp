// Whatever the bytes of a draw history or entry file, every operation either
// works on a sound file or refuses a damaged one with a message naming it,
// and a refused file is left exactly as it was. Up to the largest files, a
// file read whole answers exactly as reading it record by record does.

#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "data/file_error.h"
#include "data/record_file.h"
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
        bytes += RawRecord{n, static_cast<std::int16_t>(i), 2, 7, 2003, kBalls, 7}.bytes();
    return bytes;
}

struct Operation {
    const char* name;
    std::function<void(const QString&)> run;
    int countChange = 0;     // what a successful run does to a non-zero count
    bool needsALine = false; // refuses a file without lines (FileError)
};

// The count a sound reader must find in these bytes, or nothing when the
// file has to be refused; worked out here independently of the program.
std::optional<int> expectedCount(const QByteArray& bytes) {
    const std::int32_t count = storedCount(bytes);
    const qsizetype records = bytes.size() / kRawRecordSize;
    if (count < 0 || count > 32767 || count > records)
        return std::nullopt;
    return count;
}

// Named damages first, then random bytes: every operation either works on
// a sound file or refuses it by name and leaves it as it was.
TEST(DamagedFile, IsRefusedByNameAndLeftUntouched) {
    const QByteArray three = soundRecords(3);
    // Cut inside the last record, the count or its first byte; counts out of
    // range (65537 would read as 1 if cut to 16 bits); more records than any
    // reader can count.
    std::vector<QByteArray> inputs{three.left(3 * 26 - 1),      QByteArray("\x01\x00\x00", 3),
                                   QByteArray("\x05", 1),       withCount(three, -1),
                                   withCount(three, INT32_MIN), withCount(three, 4),
                                   withCount(QByteArray(), 1),  withCount(three, 65537),
                                   withCount(three, INT32_MAX), soundRecords(32768)};
    std::mt19937 random(20030705);
    for (int round = 0; round < 300; ++round) {
        const int records = static_cast<int>(random() % 9);
        QByteArray bytes(records * kRawRecordSize + static_cast<int>(random() % 26), '\0');
        for (auto& b : bytes)
            b = static_cast<char>(random() & 0xff);
        // Half of the files get a count that could be sound, so that the
        // writers also run over garbage records.
        if (random() % 2)
            bytes = withCount(bytes, static_cast<std::int32_t>(random() % (records + 4)) - 2);
        inputs.push_back(bytes);
    }
    const Operation operations[] = {
        {"countDraws", [](auto& p) { DrawHistoryFile::countDraws(p); }},
        {"findDraw", [](auto& p) { DrawHistoryFile::findDraw(p, 2, 7, 2003); }},
        {"readAllDraws", [](auto& p) { DrawHistoryFile::readAllDraws(p); }},
        {"insertDraw", [](auto& p) { DrawHistoryFile::insertDraw(p, kBalls, 7, 5, 7, 2003); }, +1},
        {"deleteDraw", [](auto& p) { DrawHistoryFile::deleteDraw(p, 1); }, -1},
        {"countLines", [](auto& p) { EntryFile::countLines(p); }},
        {"readRecords", [](auto& p) { EntryFile::readRecords(p); }},
        {"readLines", [](auto& p) { EntryFile::readLines(p); }},
        {"appendLine", [](auto& p) { EntryFile::appendLine(p, kLine); }, +1},
        {"replaceLine", [](auto& p) { EntryFile::replaceLine(p, 1, kLine); }, 0, true},
        {"deleteLine", [](auto& p) { EntryFile::deleteLine(p, 1); }, -1},
    };
    TempFolder folder;
    for (size_t i = 0; i < inputs.size(); ++i) {
        const QByteArray& bytes = inputs[i];
        const std::optional<int> count = expectedCount(bytes);
        for (const Operation& op : operations) {
            SCOPED_TRACE(::testing::Message() << "input " << i << ", " << op.name);
            const QString path = folder.writeFile(QStringLiteral("PwrB05JUL2003.lot"), bytes);
            try {
                op.run(path);
            } catch (const DamagedFileError& e) {
                EXPECT_FALSE(count.has_value()) << "a sound file was refused";
                EXPECT_TRUE(e.message().contains("PwrB05JUL2003.lot")) << e.message().toStdString();
                EXPECT_TRUE(fileBytes(path) == bytes) << "a refused file was changed";
                continue;
            } catch (const FileError& e) {
                EXPECT_TRUE(op.needsALine && count == 0) << e.message().toStdString();
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
    EXPECT_THROW(DrawHistoryFile::insertDraw(path, kBalls, 7, 5, 7, 2003), FileError);
    EXPECT_THROW(EntryFile::appendLine(path, kLine), FileError);
    EXPECT_TRUE(fileBytes(path) == full);
}

} // namespace
