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

// The message refusing these fields; empty when they pass.
QString refusal(GameCode game, const QStringList& fields) {
    const auto result = checkTextEntries(game, fields);
    return std::holds_alternative<QString>(result) ? std::get<QString>(result) : QString();
}
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
    for (const auto& [bytes, message] : files)
        EXPECT_EQ(refusal(Powerball, readTextFields(bytes)), QString::fromLatin1(message))
            << bytes.constData();
    EXPECT_EQ(refusal(MegaMillions, {"52 17 22 41 09 52", "53 17 22 41 09 12"}), kOutOfRange);

    // An entry file holds at most 32767 lines.
    QByteArray many = QByteArray("01 02 03 04 05 06\n").repeated(32768);
    EXPECT_TRUE(refusal(Powerball, readTextFields(many)).contains(QStringLiteral("32767")));
    many.chop(18);
    EXPECT_EQ(refusal(Powerball, readTextFields(many)), QString());
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

// The date and the text file are looked at again on Import: a date that has
// lines, or a text file that no longer passes, leaves everything as it was.
TEST(TextImport, WritesOneDatedRecordPerLineAscendingOnceAndNeverOverAnother) {
    TempFolder folder;
    const QDate day(2003, 7, 5), other(2003, 7, 9);
    const QString lines = folder.writeFile("lines.txt", "41 17 03 22 09 12\n05 04 03 02 01 42\n");
    const QString target = folder.filePath(QStringLiteral("PwrB05JUL2003.lot"));
    const ImportValidation valid = validateTextImport(folder.path(), Powerball, lines, day);
    EXPECT_TRUE(valid.valid);
    EXPECT_EQ(valid.message, QStringLiteral("Entry Valid - click Import to create entry"));
    EXPECT_FALSE(QFileInfo::exists(target)); // Validate creates nothing

    const ImportResult result = importTextEntry(folder.path(), Powerball, lines, day);
    EXPECT_EQ(result.message, QStringLiteral("Entry imported succsessfully"));
    EXPECT_EQ(result.lines, 2);
    // An entry's records are laid out as the history's, date and all.
    const QByteArray written =
        drawBytes(2, 0, day, {3, 9, 17, 22, 41}, 12) + drawBytes(0, 0, day, {1, 2, 3, 4, 5}, 42);
    EXPECT_EQ(fileBytes(target), written);

    const char* const taken =
        "You already have a date entry for this date, please choose another date";
    EXPECT_EQ(validateTextImport(folder.path(), Powerball, lines, day).message, taken);
    EXPECT_EQ(importTextEntry(folder.path(), Powerball, lines, day).message, taken);
    EXPECT_EQ(fileBytes(target), written);

    folder.writeFile("lines.txt", "01 02 03 04 05 99\n");
    EXPECT_EQ(importTextEntry(folder.path(), Powerball, lines, other).message, kOutOfRange);
    EXPECT_EQ(importTextEntry(folder.path(), Powerball, folder.filePath("gone.txt"), other).message,
              QStringLiteral("Your txt file is not valid"));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("PwrB09JUL2003.lot"))));
}
