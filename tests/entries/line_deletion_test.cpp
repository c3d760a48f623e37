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

// "x.x.." selects lines 1 and 3 of five shown.
std::vector<bool> selection(const char* marks) {
    std::vector<bool> selected;
    for (const char* c = marks; *c; ++c)
        selected.push_back(*c == 'x');
    return selected;
}

// The deletion as the list used to run it: the first selected line, one
// whole rewrite per line, then the selection again from the top.
void deleteOneAtATime(const QString& path, std::vector<bool> selected) {
    for (auto first = std::find(selected.begin(), selected.end(), true); first != selected.end();
         first = std::find(selected.begin(), selected.end(), true)) {
        ASSERT_TRUE(EntryFile::deleteLine(path, static_cast<int>(first - selected.begin()) + 1));
        selected.erase(first);
    }
}

// How many lines a file holds, and whatever follows them on disk: nothing,
// stale records, a stale record and part of one.
struct FileShape {
    int lines;
    QByteArray after;
};

const FileShape kShapes[] = {
    {5, {}},
    {5, record(9, lineNo(7)) + record(3, lineNo(8)) + record(0, lineNo(9))},
    {5, record(4, lineNo(6)) + QByteArray(11, '\x5a')},
    {7, {}}, // two lines more than shown
};

const char* const kSelections[] = {"x....", "....x", ".x.x.", "...xx", "xxxxx", ".....", "x"};
} // namespace

class LineDeletion : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("PwrB05JUL2003.lot"));

    void SetUp() override {
        for (int i = 1; i <= 5; ++i)
            EntryFile::appendLine(path, lineNo(i));
    }
};

TEST_F(LineDeletion, AFileShorterThanTheListIsLeftAsItWas) {
    ASSERT_TRUE(EntryFile::deleteLine(path, 5)); // changed behind the list's back
    const QByteArray before = fileBytes(path);
    try {
        deleteSelectedLines(path, selection("x...."));
        FAIL() << "expected a FileError";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("PwrB05JUL2003.lot")));
    }
    EXPECT_EQ(fileBytes(path), before);
}

// The one rewrite leaves exactly the bytes that deleting line by line left,
// stale records after the lines and a part record at the end included.
class OnePassDeletion : public ::testing::TestWithParam<std::tuple<FileShape, const char*>> {};

TEST_P(OnePassDeletion, LeavesTheBytesOfDeletingLineByLine) {
    const auto& [shape, marks] = GetParam();
    const std::vector<bool> selected = selection(marks);
    QTemporaryDir dir;
    const QString onePass = dir.filePath(QStringLiteral("a.lot"));
    const QString lineByLine = dir.filePath(QStringLiteral("b.lot"));
    QByteArray start;
    for (int i = 1; i <= shape.lines; ++i)
        start += record(i == 1 ? shape.lines : i - 1, lineNo(i));
    start += shape.after;
    writeFileBytes(onePass, start);
    writeFileBytes(lineByLine, start);

    const LinesDeleted result = deleteSelectedLines(onePass, selected);
    deleteOneAtATime(lineByLine, selected);

    EXPECT_EQ(fileBytes(onePass).toHex(' '), fileBytes(lineByLine).toHex(' '));
    const auto deleted = std::count(selected.begin(), selected.end(), true);
    EXPECT_EQ(result.remaining, shape.lines - deleted);
    EXPECT_EQ(result.allGone, deleted == static_cast<long>(selected.size()));
}

INSTANTIATE_TEST_SUITE_P(Selections, OnePassDeletion,
                         ::testing::Combine(::testing::ValuesIn(kShapes),
                                            ::testing::ValuesIn(kSelections)));
