// Faults from the system rather than from the bytes: a named pipe where a
// data file belongs, and a disk that fills up halfway through a record.

#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "data/file_error.h"
#include "payouts/payout_files.h"
#include "support/disk_faults.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"
#include "wheels/wheel_file.h"

#include <cstring>
#include <functional>
#include <sys/stat.h>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

struct FileCase {
    const char* name;
    std::function<void(const QString&)> operation;
};

QString messageOf(const std::function<void(const QString&)>& operation, const QString& path) {
    try {
        operation(path);
    } catch (const FileError& e) {
        return e.message();
    }
    return QStringLiteral("(went through)");
}

// Before the fix, opening the pipe to read waited for a writer for ever.
TEST(FileFault, APipeIsRefusedAtOnceAsNotARegularFile) {
    const FileCase cases[] = {
        {"pbk.rtl", [](const QString& p) { DrawHistoryFile::countDraws(p); }},
        {"PwrB05JUL2003.lot", [](const QString& p) { EntryFile::readLines(p); }},
        {"PwrB05JUL2003.lot", [](const QString& p) { EntryFile::appendLine(p, {}); }},
        {"Defaults.rtl", [](const QString& p) { DefaultPayoutFile::readAmounts(p); }},
        {"USRES.rtl", [](const QString& p) { ActualPayoutFile::findTable(p, "05JUL2003"); }},
    };
    for (const FileCase& c : cases) {
        TempFolder folder;
        const QString path = folder.filePath(QString::fromLatin1(c.name));
        ASSERT_EQ(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        const QString message = messageOf(c.operation, path);
        EXPECT_TRUE(message.contains(c.name) && message.contains("not a regular file"))
            << message.toStdString();
    }
    TempFolder folder;
    const QString wheel = folder.filePath("5-5-5-7.whl");
    ASSERT_EQ(mkfifo(wheel.toLocal8Bit().constData(), 0600), 0);
    const int group[] = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(readWheelFile(wheel, 21, group).message(),
              "The wheel file cannot be read: it is not a regular file");
}

// The disk takes 14 bytes of the 26 (or 32, 49) and then refuses: the file
// goes back to what it was and the message gives the system's reason.
TEST(FileFault, AWriteCutShortLeavesTheFileAsItWasAndSaysWhy) {
    PayoutTable table;
    table.dateKey = "09JUL2003";
    const FileCase cases[] = {
        {"PwrB05JUL2003.lot", [](const QString& p) { EntryFile::appendLine(p, {}); }},
        {"USRES.rtl", [&](const QString& p) { ActualPayoutFile::storeTable(p, table); }},
        {"Defaults.rtl", [](const QString& p) { DefaultPayoutFile::writeAmounts(p, {1}); }},
    };
    const QByteArray oneRecord[] = {
        drawBytes(1, 0, QDate(), {1, 2, 3, 4, 5}, 6),
        QByteArray("05JUL2003", 9) + QByteArray(2, '\xff') + le16(1) + QByteArray(36, '\1'),
        QByteArray(),
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        TempFolder folder;
        const QString path = folder.writeFile(cases[i].name, oneRecord[i]);
        QString message;
        {
            FileSizeLimit full(static_cast<rlim_t>(oneRecord[i].size() + 14));
            message = messageOf(cases[i].operation, path);
        }
        EXPECT_EQ(fileBytes(path), oneRecord[i]) << cases[i].name;
        EXPECT_TRUE(message.contains(cases[i].name) && message.contains(std::strerror(EFBIG)))
            << message.toStdString();
    }
}

} // namespace
