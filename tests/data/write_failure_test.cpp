// A write that the system refuses raises FileError with a message that names
// the file, and the old file survives.

#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "data/file_error.h"
#include "data/last_game_file.h"
#include "data/safe_file.h"
#include "support/disk_faults.h"
#include "support/qt_printers.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

const std::array<std::int16_t, 5> kBalls{3, 12, 25, 33, 41};
const EntryLine kLine{{1, 2, 3, 4, 5}, 6};

// Runs a write and checks that it is refused with a message naming the file.
template <typename Write> void expectRefusedNaming(const QString& fileName, Write write) {
    try {
        write();
        ADD_FAILURE() << "the write to " << fileName.toStdString() << " went through";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains(fileName)) << e.message().toStdString();
    }
}

// Permission bits do not stop the superuser; those cases are skipped then.
bool permissionsStopWrites(const QString& readOnlyFile) {
    QFile probe(readOnlyFile);
    if (probe.open(QIODevice::ReadWrite)) {
        probe.close();
        return false;
    }
    return true;
}

TEST(WriteFailure, FolderThatIsARegularFile) {
    TempFolder folder;
    const QString notAFolder = folder.writeFile(QStringLiteral("plain"), "keep");
    const QString inside = notAFolder + QLatin1Char('/');

    expectRefusedNaming(
        "pbk.rtl", [&] { DrawHistoryFile::insertDraw(inside + "pbk.rtl", kBalls, 7, 5, 7, 2003); });
    expectRefusedNaming("PwrB05JUL2003.lot",
                        [&] { EntryFile::appendLine(inside + "PwrB05JUL2003.lot", kLine); });
    expectRefusedNaming("game.dat", [&] { writeLastGame(notAFolder, Powerball); });
    expectRefusedNaming("StandPB.lot",
                        [&] { writeFileAtomically(inside + "StandPB.lot", "bytes"); });
    EXPECT_EQ(fileBytes(notAFolder), "keep");

    // Readers see such a file as empty rather than failing.
    EXPECT_EQ(DrawHistoryFile::countDraws(inside + "pbk.rtl"), 0);
    EXPECT_EQ(EntryFile::countLines(inside + "PwrB05JUL2003.lot"), 0);
}

TEST(WriteFailure, DeviceWithoutRoom) {
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full here";
    TempFolder folder;
    const QString path = folder.filePath(QStringLiteral("pbk.rtl"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), path));
    expectRefusedNaming("pbk.rtl",
                        [&] { DrawHistoryFile::insertDraw(path, kBalls, 7, 5, 7, 2003); });
}

class ReadOnlyFile : public ::testing::Test {
  protected:
    TempFolder folder;
    QByteArray before = drawBytes(2, 1, QDate(2003, 7, 2), kBalls, 0) +
                        drawBytes(2, 2, QDate(2003, 7, 9), kBalls, 0);

    QString readOnly(const QString& name, const QByteArray& bytes) {
        const QString path = folder.writeFile(name, bytes);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        return path;
    }
};

TEST_F(ReadOnlyFile, RecordWritersRefuseIt) {
    const QString history = readOnly("pbk.rtl", before);
    const QString entries = readOnly("PwrB05JUL2003.lot", before);
    if (!permissionsStopWrites(history))
        GTEST_SKIP() << "permission bits do not stop this user";

    expectRefusedNaming("pbk.rtl",
                        [&] { DrawHistoryFile::insertDraw(history, kBalls, 7, 5, 7, 2003); });
    expectRefusedNaming("pbk.rtl", [&] { DrawHistoryFile::deleteDraw(history, 1); });
    expectRefusedNaming("PwrB05JUL2003.lot", [&] { EntryFile::appendLine(entries, kLine); });
    expectRefusedNaming("PwrB05JUL2003.lot", [&] { EntryFile::deleteLine(entries, 1); });
    EXPECT_EQ(fileBytes(history), before);
    EXPECT_EQ(fileBytes(entries), before);
    // Reading still works.
    EXPECT_EQ(DrawHistoryFile::countDraws(history), 2);
}

TEST_F(ReadOnlyFile, LastGameIsNotLost) {
    const QString path = readOnly("game.dat", QByteArray("\xff\xff", 2));
    if (!permissionsStopWrites(path))
        GTEST_SKIP() << "permission bits do not stop this user";
    expectRefusedNaming("game.dat", [&] { writeLastGame(folder.path(), MegaMillions); });
    EXPECT_EQ(readLastGame(folder.path()), Powerball);
}

TEST(AtomicWrite, ReplacesTheWholeFileAndLeavesNothingBehind) {
    TempFolder folder;
    const QString path = folder.writeFile(QStringLiteral("StandPB.lot"), "old content, longer");
    writeFileAtomically(path, "new");
    EXPECT_EQ(fileBytes(path), "new");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"StandPB.lot"});
}

TEST(LastGameFile, HoldsMinusOneForPowerballAndZeroForMegaMillionsTheDefault) {
    TempFolder folder;
    const QString path = folder.filePath(QStringLiteral("game.dat"));
    EXPECT_EQ(readLastGame(folder.path()), MegaMillions); // missing
    writeLastGame(folder.path(), Powerball);
    EXPECT_EQ(fileBytes(path), QByteArray("\xff\xff", 2));
    EXPECT_EQ(readLastGame(folder.path()), Powerball);
    writeLastGame(folder.path(), MegaMillions);
    EXPECT_EQ(fileBytes(path), QByteArray("\x00\x00", 2));
    EXPECT_EQ(readLastGame(folder.path()), MegaMillions);
    writeLastGame(folder.path(), Powerball);
    folder.writeFile(QStringLiteral("game.dat"), QByteArray()); // empty
    EXPECT_EQ(readLastGame(folder.path()), MegaMillions);
    EXPECT_EQ(readLastGame(folder.writeFile(QStringLiteral("plain"), "x")), MegaMillions);
}

// Moving records one by one in place would leave a draw doubled or lost when
// the disk fills halfway; the whole change lands at once or not at all.
TEST(AtomicRewrite, AChangeThatCannotBeWrittenLeavesTheFileAsItWas) {
    TempFolder folder;
    const QString history = folder.filePath(QStringLiteral("pbk.rtl"));
    const QString entries = folder.filePath(QStringLiteral("PwrB05JUL2003.lot"));
    for (int day : {5, 9, 12}) {
        DrawHistoryFile::insertDraw(history, kBalls, 7, day, 7, 2003);
        EntryFile::appendLine(entries,
                              EntryLine{{static_cast<std::int16_t>(day), 20, 30, 40, 50}, 5});
    }
    const QByteArray draws = fileBytes(history);
    const QByteArray lines = fileBytes(entries);
    {
        // A delete leaves an extra zero record, so it needs more room than there is.
        const FileSizeLimit limit(static_cast<rlim_t>(draws.size()));
        EXPECT_THROW(DrawHistoryFile::insertDraw(history, kBalls, 7, 2, 7, 2003), FileError);
        EXPECT_THROW(EntryFile::deleteLine(entries, 1), FileError);
    }
    EXPECT_EQ(fileBytes(history), draws);
    EXPECT_EQ(fileBytes(entries), lines);
    DrawHistoryFile::insertDraw(history, kBalls, 7, 2, 7, 2003); // with room again it works
    EXPECT_EQ(DrawHistoryFile::readDraw(history, 1).day, 2);
}

} // namespace
