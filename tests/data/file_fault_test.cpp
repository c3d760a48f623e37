// System faults: a refused write raises FileError naming the file and reason; the old file stays.

#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "data/file_error.h"
#include "data/file_journal.h"
#include "data/last_game_file.h"
#include "data/safe_file.h"
#include "download/download_files.h"
#include "download/downloaded_history.h"
#include "entries/entry_file_copy.h"
#include "entries/entry_filter.h"
#include "entries/standing_entry.h"
#include "entries/text_import.h"
#include "payouts/payout_files.h"
#include "support/disk_faults.h"
#include "support/qt_printers.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"
#include "ui/help_viewer.h"
#include "ui/sound_player.h"
#include "wheels/wheel_builder.h"
#include "wheels/wheel_file.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSoundEffect>
#include <cstring>
#include <functional>
#include <sys/stat.h>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

const std::array<std::int16_t, 5> kBalls{3, 12, 25, 33, 41};
const EntryLine kLine{{1, 2, 3, 4, 5}, 6};

QString messageOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const FileError& e) {
        return e.message();
    }
    return QStringLiteral("(went through)");
}

void refused(const char* fileName, const std::function<void()>& write) {
    const QString message = messageOf(write);
    EXPECT_TRUE(message.contains(fileName)) << message.toStdString();
}

TEST(WriteFailure, NotAFolderOrNoRoomIsRefusedByName) {
    TempFolder folder;
    const QString notAFolder = folder.writeFile(QStringLiteral("plain"), "keep");
    const QString inside = notAFolder + QLatin1Char('/');

    refused("pbk.rtl",
            [&] { DrawHistoryFile::insertDraw(inside + "pbk.rtl", kBalls, 7, 5, 7, 2003); });
    refused("PwrB05JUL2003.lot",
            [&] { EntryFile::appendLine(inside + "PwrB05JUL2003.lot", kLine); });
    refused("game.dat", [&] { writeLastGame(notAFolder, Powerball); });
    refused("StandPB.lot", [&] { writeFileAtomically(inside + "StandPB.lot", "bytes"); });
    EXPECT_EQ(fileBytes(notAFolder), "keep");

    // Readers see such a file as empty rather than failing.
    EXPECT_EQ(DrawHistoryFile::countDraws(inside + "pbk.rtl"), 0);
    EXPECT_EQ(EntryFile::countLines(inside + "PwrB05JUL2003.lot"), 0);

    const QString device = folder.filePath(QStringLiteral("pbk.rtl"));
    ASSERT_TRUE(QFile::exists("/dev/full") && QFile::link(QStringLiteral("/dev/full"), device));
    refused("pbk.rtl", [&] { DrawHistoryFile::insertDraw(device, kBalls, 7, 5, 7, 2003); });

    // A game file that cannot tell means the default.
    const GameCode missing = readLastGame(folder.path());
    folder.writeFile(QStringLiteral("game.dat"), QByteArray());
    EXPECT_EQ(std::vector({readLastGame(notAFolder), missing, readLastGame(folder.path())}),
              std::vector(3, MegaMillions));

    // An atomic write replaces the whole file and leaves nothing behind.
    const QString path = folder.writeFile(QStringLiteral("StandPB.lot"), "old content, longer");
    const QStringList files = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
    writeFileAtomically(path, "new");
    EXPECT_EQ(fileBytes(path), "new");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), files);
}

TEST(WriteFailure, ReadOnlyFilesAreRefusedAndStillRead) {
    TempFolder locked;
    const QByteArray before = drawBytes(2, 1, QDate(2003, 7, 2), kBalls, 0) +
                              drawBytes(2, 2, QDate(2003, 7, 9), kBalls, 0);
    const QString lastGame = locked.writeFile("game.dat", QByteArray("\xff\xff", 2));
    const QString history = locked.writeFile("pbk.rtl", before);
    const QString entries = locked.writeFile("PwrB05JUL2003.lot", before);
    for (const QString& path : {lastGame, history, entries})
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    if (QFile(history).open(QIODevice::ReadWrite))
        GTEST_SKIP() << "permission bits do not stop this user";

    refused("pbk.rtl", [&] { DrawHistoryFile::insertDraw(history, kBalls, 7, 5, 7, 2003); });
    refused("pbk.rtl", [&] { DrawHistoryFile::deleteDraw(history, 1); });
    refused("PwrB05JUL2003.lot", [&] { EntryFile::appendLine(entries, kLine); });
    refused("PwrB05JUL2003.lot", [&] { EntryFile::deleteLine(entries, 1); });
    refused("game.dat", [&] { writeLastGame(locked.path(), MegaMillions); });
    EXPECT_EQ(fileBytes(history) + fileBytes(entries), before + before);
    EXPECT_EQ(DrawHistoryFile::countDraws(history), 2);
    EXPECT_EQ(readLastGame(locked.path()), Powerball);
}

struct FileCase {
    const char* name;
    std::function<void(const QString&)> operation;
    QByteArray before = {};
};

// Before the fix, opening a pipe waited for a writer for ever, and /dev/zero filled the memory.
TEST(FileFault, NoPipeDeviceOrFolderIsOpenedAndAWriteCutShortLeavesTheFileAsItWas) {
    TempFolder folder;
    const FileCase cases[] = {
        {"pbk.rtl", [](const QString& p) { DrawHistoryFile::countDraws(p); }},
        {"PwrB05JUL2003.lot", [](const QString& p) { EntryFile::readLines(p); }},
        {"PwrB05JUL2003.lot", [](const QString& p) { EntryFile::appendLine(p, {}); }},
        {"Defaults.rtl", [](const QString& p) { DefaultPayoutFile::readAmounts(p); }},
        {"USRES.rtl", [](const QString& p) { ActualPayoutFile::findTable(p, "05JUL2003"); }},
        {"StandPB.lot", [](const QString& p) { readEntryFileBytes(p); }},
        {"mine.txt", [](const QString& p) { readTextFieldsOfFile(p); }},
        {"pbk.rtl", [](const QString& p) { backUpHistory(QFileInfo(p).path(), Powerball); }},
        {"NUMBRAVA.HLP", [](const QString& p) { EXPECT_FALSE(readHelpFile(p)); }},
        {"tada.wav",
         [](const QString& p) {
             QtSoundPlayer().play(p);
             EXPECT_TRUE(qApp->findChildren<QSoundEffect*>().isEmpty());
         }},
        {"pbk.rtl.download",
         [](const QString& p) { EXPECT_TRUE(inspectDownloadedHistory(p, Powerball, {}).corrupt); }},
    };
    for (const char* kind : {"pipe", "zero", "folder"})
        for (const FileCase& c : cases) {
            SCOPED_TRACE(std::string(kind) + " as " + c.name);
            const QString place = folder.filePath(kind);
            const QString path = place + QLatin1Char('/') + c.name;
            ASSERT_TRUE(QDir().mkpath(place) && plantNonRegular(kind, path));
            QElapsedTimer clock;
            clock.start();
            const QString message = messageOf([&] { c.operation(path); });
            EXPECT_LT(clock.elapsed(), 1000);
            const bool fallsBack =
                QStringList{"NUMBRAVA.HLP", "tada.wav", "pbk.rtl.download"}.contains(c.name);
            EXPECT_TRUE(fallsBack
                            ? message == "(went through)"
                            : message.contains(c.name) && message.contains("not a regular file"))
                << message.toStdString();
            EXPECT_EQ(QDir(place).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                      QStringList{c.name});
            ASSERT_TRUE(QDir(place).removeRecursively());
        }
    const QString wheel = folder.filePath("5-5-5-7.whl");
    ASSERT_EQ(mkfifo(wheel.toLocal8Bit().constData(), 0600), 0);
    const int group[] = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(readWheelFile(wheel, 21, group).message(),
              "The wheel file cannot be read: it is not a regular file");

    // The disk takes 14 more bytes, then refuses: the file reverts; the message gives the reason.
    PayoutTable table;
    table.dateKey = "09JUL2003";
    const FileCase writes[] = {
        {"PwrB05JUL2003.lot", [](const QString& p) { EntryFile::appendLine(p, {}); },
         drawBytes(1, 0, QDate(), {1, 2, 3, 4, 5}, 6)},
        {"USRES.rtl", [&](const QString& p) { ActualPayoutFile::storeTable(p, table); },
         QByteArray("05JUL2003", 9) + QByteArray(2, '\xff') + le16(1) + QByteArray(36, '\1')},
        {"Defaults.rtl", [](const QString& p) { DefaultPayoutFile::writeAmounts(p, {1}); }},
        // Moving records in place could double or lose a draw: it all lands at once or not at all.
        // The new copy's short write once gave "Unknown error" as its reason.
        {"pbk.rtl", [](const QString& p) { DrawHistoryFile::insertDraw(p, kBalls, 7, 2, 7, 2003); },
         drawBytes(2, 1, QDate(2003, 7, 5), kBalls, 7) +
             drawBytes(2, 2, QDate(2003, 7, 9), kBalls, 7)},
        {"StandPB.lot", [](const QString& p) { EntryFile::deleteLine(p, 1); },
         drawBytes(2, 0, QDate(), kBalls, 7) + drawBytes(2, 0, QDate(), kBalls, 8)},
    };
    for (const FileCase& c : writes) {
        const QString path = folder.writeFile(c.name, c.before);
        QString message;
        {
            FileSizeLimit full(static_cast<rlim_t>(c.before.size() + 14));
            message = messageOf([&] { c.operation(path); });
        }
        EXPECT_EQ(fileBytes(path), c.before) << c.name;
        EXPECT_TRUE(message.contains(c.name) && message.contains(std::strerror(EFBIG)))
            << message.toStdString();
    }
}

// A planted link never leads a write out of the folder. A user's file is written through a link
// only to a file inside; the program's working files replace the link; a reader creates nothing.
TEST(FileFault, LinksLeadNoWriteOutOfTheDataFolder) {
    enum Role { User, Working, Reader };
    const std::vector<EntryLine> lines{kLine};
    PayoutTable table;
    table.dateKey = "09JUL2003";
    const std::tuple<const char*, Role, std::function<void(const QString&)>> cases[] = {
        {"StandPB.lot", User, [](const QString& p) { saveStandingEntry(p + "x.lot", p); }},
        {"PwrB-5-5-3.lot", User, [&](const QString& p) { writeWheelEntryFile(p, lines, true); }},
        {"PwrB05JUL2003.lot", User, [](const QString& p) { EntryFile::appendLine(p, kLine); }},
        {"pbk.rtl", User,
         [](const QString& p) { DrawHistoryFile::insertDraw(p, kBalls, 7, 5, 7, 2003); }},
        {"USRES.rtl", User, [&](const QString& p) { ActualPayoutFile::storeTable(p, table); }},
        {"game.dat", User, [](const QString& p) { writeLastGame(QFileInfo(p).path(), Powerball); }},
        {"temp.lot", Working, [](const QString& p) { runEntryFilter(p + "x.lot", p, {}); }},
        {"temp.rtl", Working,
         [](const QString& p) { backUpHistory(QFileInfo(p).path(), Powerball); }},
        {"pbk.rtl.download", Working,
         [](const QString& p) { backUpHistory(QFileInfo(p).path(), Powerball); }},
        {"PwrB05JUL2003.lot", Reader, [](const QString& p) { EntryFile::countLines(p); }},
    };
    TempFolder outside;
    for (const std::string kind : {"outside", "dangling", "inside"})
        for (const auto& [name, role, writer] : cases) {
            const auto& write = writer; // a lambda cannot take a structured binding in clang 14
            SCOPED_TRACE(name + (" linked " + kind));
            TempFolder folder;
            const QByteArray entry = drawBytes(1, 1, QDate(2003, 7, 5), kBalls, 7);
            folder.writeFile(QString(name) + "x.lot", entry);
            folder.writeFile("pbk.rtl", entry);
            const bool dangling = kind == "dangling", inside = kind == "inside";
            const QString target = (inside ? folder : outside).filePath(dangling ? "none" : "mine");
            const QByteArray keep = zeroRecords(1); // an empty entry file
            if (!dangling)
                writeFileBytes(target, keep);
            const QString path = folder.filePath(name);
            QFile::remove(path);
            ASSERT_TRUE(QFile::link(target, path));

            const QString message = messageOf([&] { write(path); });
            EXPECT_EQ(message.toStdString(),
                      role == User && !inside ? "The file " + std::string(name) +
                                                    " is a link to a file outside the data folder"
                                              : "(went through)");
            EXPECT_EQ(QFileInfo(path).isSymLink(), role != Working);
            EXPECT_EQ(fileBytes(target) == (dangling ? "" : keep), role != User || !inside);
            EXPECT_EQ(QFileInfo::exists(target), !dangling);
            if (role == Working && QFileInfo::exists(path))
                EXPECT_EQ(fileBytes(path), entry);
        }
}

} // namespace

// The last 50 steps; a step past the size limit is named as one that cannot be undone.
TEST(FileJournalLimits, KeepsTheLast50StepsAndSaysWhenAStepIsTooLargeToUndo) {
    TempFolder folder;
    const QString path = folder.writeFile("a.lot", "0");
    FileJournal journal(FileJournal::kMaxSteps, /*maxStepBytes=*/100);
    journal.activate();
    for (int i = 1; i <= 52; ++i) {
        const FileStep step(journal);
        nameFileStep(QStringLiteral("Step %1").arg(i));
        writeFileAtomically(path, QByteArray::number(i));
    }
    // The program's own upkeep (an empty file dropped, made again) does not stop Undo.
    {
        const FileHousekeeping upkeep(path);
        writeFileAtomically(path, "");
    }
    int undone = 0;
    for (; journal.canUndo(); ++undone)
        journal.undo();
    EXPECT_EQ(std::tuple(undone, fileBytes(path), journal.undoText(), journal.redoText()),
              std::tuple(50, QByteArray("2"), QString("Undo"), QString("Redo Step 3")));
    {
        const FileStep step(journal);
        nameFileStep("Import of big.txt");
        writeFileAtomically(path, QByteArray(100, 'x'));
    }
    EXPECT_EQ(
        std::tuple(journal.canUndo(), journal.canRedo(), journal.undoText()),
        std::tuple(false, false, QString("Cannot Undo Import of big.txt (larger than 100 bytes)")));
}
