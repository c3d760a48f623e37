#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "data/file_error.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
void addDraw(const QString& path, int day) {
    DrawHistoryFile::insertDraw(path, {1, 2, 3, 4, static_cast<std::int16_t>(4 + day)}, 1, day, 7,
                                2003);
}
} // namespace

// Moving records one by one in place would leave a draw doubled or lost when
// the disk fills halfway; the whole change lands at once or not at all.
TEST(AtomicRewrite, InsertThatCannotBeWrittenLeavesTheHistoryAsItWas) {
    TempFolder folder;
    const QString path = folder.filePath(QStringLiteral("pbk.rtl"));
    for (int day : {5, 9, 12})
        addDraw(path, day);
    const QByteArray before = fileBytes(path);
    {
        const FileSizeLimit limit(static_cast<rlim_t>(before.size()));
        EXPECT_THROW(addDraw(path, 2), FileError);
    }
    EXPECT_EQ(fileBytes(path), before);
    addDraw(path, 2); // and with room again it works
    EXPECT_EQ(DrawHistoryFile::countDraws(path), 4);
    EXPECT_EQ(DrawHistoryFile::readDraw(path, 1).day, 2);
}

TEST(AtomicRewrite, DeleteThatCannotBeWrittenLeavesTheLinesAsTheyWere) {
    TempFolder folder;
    const QString path = folder.filePath(QStringLiteral("PwrB05JUL2003.lot"));
    for (std::int16_t i = 1; i <= 3; ++i)
        EntryFile::appendLine(path, EntryLine{{i, 10, 20, 30, 40}, 5});
    const QByteArray before = fileBytes(path);
    {
        // The delete leaves an extra zero record, so it needs more room than there is.
        const FileSizeLimit limit(static_cast<rlim_t>(before.size()));
        EXPECT_THROW(EntryFile::deleteLine(path, 1), FileError);
    }
    EXPECT_EQ(fileBytes(path), before);
}
