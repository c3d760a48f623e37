#include "entries/entry_test_helpers.h"
#include "entries/line_deletion.h"

#include <QTemporaryDir>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
// The list's old deletion: the first selected line, a whole rewrite each, then again from the top.
void deleteOneAtATime(const QString& path, std::vector<bool> selected) {
    for (auto first = std::find(selected.begin(), selected.end(), true); first != selected.end();
         first = std::find(selected.begin(), selected.end(), true)) {
        ASSERT_TRUE(EntryFile::deleteLine(path, static_cast<int>(first - selected.begin()) + 1));
        selected.erase(first);
    }
}

QByteArray record(int count, const EntryLine& line) {
    return EntryRecord{.count = count, .line = line}.toBytes();
}
} // namespace

// One rewrite leaves exactly the bytes of deleting line by line, stale and part records included.
TEST(LineDeletion, OnePassLeavesTheBytesOfDeletingLineByLine) {
    // Lines held, then on disk: nothing, stale records, one and a part; two lines more than shown.
    const std::pair<int, QByteArray> shapes[] = {
        {5, {}},
        {5, record(9, lineNo(7)) + record(3, lineNo(8)) + record(0, lineNo(9))},
        {5, record(4, lineNo(6)) + QByteArray(11, '\x5a')},
        {7, {}}};
    // "x.x.." selects lines 1 and 3 of five shown.
    for (const char* marks : {"x....", "....x", ".x.x.", "...xx", "xxxxx", ".....", "x"}) {
        for (const auto& [lines, after] : shapes) {
            SCOPED_TRACE(::testing::Message() << marks << " of " << lines);
            std::vector<bool> selected;
            for (const char* c = marks; *c; ++c)
                selected.push_back(*c == 'x');
            QTemporaryDir dir;
            const QString onePass = dir.filePath("a.lot"), lineByLine = dir.filePath("b.lot");
            QByteArray start;
            for (int i = 1; i <= lines; ++i)
                start += record(i == 1 ? lines : i - 1, lineNo(i));
            writeFileBytes(onePass, start + after);
            writeFileBytes(lineByLine, start + after);

            const LinesDeleted result = deleteSelectedLines(onePass, selected);
            deleteOneAtATime(lineByLine, selected);
            EXPECT_EQ(fileBytes(onePass).toHex(' '), fileBytes(lineByLine).toHex(' '));
            const int deleted = static_cast<int>(QByteArray(marks).count('x'));
            EXPECT_EQ(std::tuple(result.remaining, result.allGone),
                      std::tuple(lines - deleted, !QByteArray(marks).contains('.')));
        }
    }
}
