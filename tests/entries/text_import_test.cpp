#include "data/entry_file.h"
#include "entries/text_import.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

#include <QFileInfo>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const char* const kOutOfRange =
    "One or more of your numbers are out of range - or your file is not in the correct format";
const char* const kSame = "One or more of the balls are the same!";
const QDate kDate(2003, 7, 5);

class TextImport : public ::testing::Test {
  protected:
    TempFolder folder;
    QString target() const { return folder.filePath(QStringLiteral("PwrB05JUL2003.lot")); }
    QString text(const QByteArray& bytes) const {
        return folder.writeFile(QStringLiteral("lines.txt"), bytes);
    }
};
} // namespace

// Each Powerball file below gives its message; nullptr means it passes.
TEST(TextEntryCheck, RefusesWithItsMessageOrPasses) {
    const std::pair<QByteArray, const char*> files[] = {
        {"03 17 22 41 09 12\n", nullptr},
        {"03 17 22 41 09 43", kOutOfRange},
        {"05 05 10 20 30 12", kSame},
        {"03,17,22,41,09,12", kOutOfRange},
        {"03 17 22 41 09", kOutOfRange},
        {"00 17 22 41 09 12", kOutOfRange},
        {QByteArray("03 17 \x01\x02 41 09 12", 17), kOutOfRange},
        {"3  17 22  4 9  12", nullptr},
        {"03 17 22 41 09 12 my lucky ones", nullptr},
        {"\"03 17 22 41 09 12\"", nullptr},
        {"05 05 10 20 30 12\n01 02 03 04 05 99", kSame}, // the first fault wins
        {"", nullptr}};
    for (const auto& [bytes, message] : files) {
        const auto result = checkTextEntries(Powerball, readTextFields(bytes));
        EXPECT_EQ(std::get_if<QString>(&result) ? std::get<QString>(result) : QString(),
                  QString::fromLatin1(message))
            << bytes.constData();
    }
    const auto mega = checkTextEntries(MegaMillions, {"52 17 22 41 09 52", "53 17 22 41 09 12"});
    EXPECT_EQ(std::get<QString>(mega), kOutOfRange);
}

TEST(TextFields, ByteOrderMarksAndLineEndsAreReadAsText) {
    const QStringList expected{"03 17 22 41 09 12", "01 02 03 04 05 06"};
    EXPECT_EQ(readTextFields("\xEF\xBB\xBF"
                             "03 17 22 41 09 12\r\n\r\n01 02 03 04 05 06\r\n"),
              expected);
    EXPECT_EQ(readTextFields("03 17 22 41 09 12\r01 02 03 04 05 06"), expected);
    const QString text = QStringLiteral("03 17 22 41 09 12\n01 02 03 04 05 06\n");
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    EXPECT_EQ(readTextFields(utf16), expected);
}

TEST(TextFields, MoreLinesThanAnEntryFileHoldsAreRefused) {
    QByteArray bytes;
    for (int i = 0; i < 32768; ++i)
        bytes += "01 02 03 04 05 06\n";
    const auto result = checkTextEntries(Powerball, readTextFields(bytes));
    ASSERT_TRUE(std::holds_alternative<QString>(result));
    EXPECT_TRUE(std::get<QString>(result).contains(QStringLiteral("32767")));
    bytes.chop(18);
    EXPECT_TRUE(std::holds_alternative<std::vector<EntryLine>>(
        checkTextEntries(Powerball, readTextFields(bytes))));
}

TEST_F(TextImport, ImportWritesOneDatedRecordPerLineAscending) {
    const QString lines = text("41 17 03 22 09 12\n05 04 03 02 01 42\n");
    const ImportValidation valid = validateTextImport(folder.path(), Powerball, lines, kDate);
    EXPECT_TRUE(valid.valid);
    EXPECT_EQ(valid.message, QStringLiteral("Entry Valid - click Import to create entry"));
    EXPECT_FALSE(QFileInfo::exists(target())); // Validate creates nothing

    const ImportResult result = importTextEntry(folder.path(), Powerball, lines, kDate);
    EXPECT_EQ(result.message, QStringLiteral("Entry imported succsessfully"));
    EXPECT_EQ(result.lines, 2);
    const RawRecord first{
        .count = 2, .day = 5, .month = 7, .year = 2003, .numbers = {3, 9, 17, 22, 41}, .bonus = 12};
    const RawRecord second{
        .day = 5, .month = 7, .year = 2003, .numbers = {1, 2, 3, 4, 5}, .bonus = 42};
    EXPECT_EQ(fileBytes(target()), first.bytes() + second.bytes());
}

// The date is looked at again on Import: a date that got lines meanwhile, or
// a text file that no longer passes, leaves everything as it was.
TEST_F(TextImport, RefusalsWriteNothing) {
    const QString lines = text("01 02 03 04 05 06\n");
    ASSERT_TRUE(validateTextImport(folder.path(), Powerball, lines, kDate).valid);
    EntryFile::appendLine(target(), EntryLine{{7, 8, 9, 10, 11}, 1});
    const QByteArray before = fileBytes(target());
    const char* const taken =
        "You already have a date entry for this date, please choose another date";
    EXPECT_EQ(validateTextImport(folder.path(), Powerball, lines, kDate).message, taken);
    EXPECT_EQ(importTextEntry(folder.path(), Powerball, lines, kDate).message, taken);
    EXPECT_EQ(fileBytes(target()), before);

    const QDate other(2003, 7, 9);
    const QString otherFile = folder.filePath(QStringLiteral("PwrB09JUL2003.lot"));
    text("01 02 03 04 05 99\n");
    EXPECT_EQ(importTextEntry(folder.path(), Powerball, lines, other).message, kOutOfRange);
    EXPECT_EQ(importTextEntry(folder.path(), Powerball, folder.filePath("gone.txt"), other).message,
              QStringLiteral("Your txt file is not valid"));
    EXPECT_FALSE(QFileInfo::exists(otherFile));
}
