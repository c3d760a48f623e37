#include "data/file_error.h"
#include "data/record_file.h"
#include "entries/entry_test_helpers.h"
#include "entries/line_deletion.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
// The bytes of a record as appendLine writes it into a new file.
QByteArray record(int count, const EntryLine& line) {
    EntryRecord r;
    r.count = count;
    r.line = line;
    return r.toBytes();
}
} // namespace

class LineDeletion : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("PwrB05JUL2003.lot"));
    std::vector<std::pair<int, int>> removed;

    void SetUp() override {
        for (int i = 1; i <= 5; ++i)
            EntryFile::appendLine(path, lineNo(i));
    }
    bool remove(std::vector<bool> selected) {
        return deleteSelectedLines(path, std::move(selected), [&](int index, int count) {
            removed.emplace_back(index, count);
        });
    }
};

TEST_F(LineDeletion, DeletingTheFirstLineMovesLineTwoIntoRecordOneWithTheCount) {
    EXPECT_FALSE(remove({true, false, false, false, false}));
    const QByteArray bytes = fileBytes(path);
    // The old record 2 carried the stale count 1; as record 1 it holds the count.
    EXPECT_EQ(bytes.mid(0, kRecordSize), record(4, lineNo(2)));
    EXPECT_EQ(bytes.mid(kRecordSize, kRecordSize), record(2, lineNo(3)));
    EXPECT_EQ(bytes.mid(3 * kRecordSize, kRecordSize), record(4, lineNo(5)));
    // The records after the remaining lines are zeros (the file grew by one).
    EXPECT_EQ(bytes.size(), 6 * kRecordSize);
    EXPECT_EQ(bytes.mid(4 * kRecordSize), QByteArray(2 * kRecordSize, '\0'));
    EXPECT_EQ(removed, (std::vector<std::pair<int, int>>{{0, 4}}));
}

TEST_F(LineDeletion, AFileShorterThanTheListStopsWithAMessageAfterWhatWasDeleted) {
    ASSERT_TRUE(EntryFile::deleteLine(path, 5)); // changed behind the list's back
    try {
        remove({true, false, false, false, true});
        FAIL() << "expected a FileError";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("PwrB05JUL2003.lot")));
    }
    EXPECT_EQ(EntryFile::readLines(path),
              (std::vector<EntryLine>{lineNo(2), lineNo(3), lineNo(4)}));
}
