#include "entries/entry_test_helpers.h"
#include "entries/text_import.h"
#include "entries/typed_line.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"

#include <QFileInfo>
#include <QStringEncoder>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const char* const kBadText =
    "One or more of your numbers are out of range - or your file is not in the correct format";
const char* const kSameBalls = "One or more of the balls are the same!";

QString refusal(GameCode game, const QStringList& fields, const QDate& entryDate = {}) {
    const auto result = checkTextEntries(game, entryDate, fields);
    return std::holds_alternative<QString>(result) ? std::get<QString>(result) : QString();
}
// Six box texts separated by blanks; "_" stands for an empty box.
std::array<QString, 6> boxes(const char* texts) {
    const QStringList p =
        QString::fromLatin1(texts).replace(QLatin1Char('_'), QString()).split(' ');
    return {p[0], p[1], p[2], p[3], p[4], p[5]};
}
const LineLimits kPbAdd{53, 42, LowBonus::OutOfRange};
const LineLimits kPbEdit{53, 42, LowBonus::NotANumber};
const LineLimits kMbEdit{52, 52, LowBonus::NotANumber};
constexpr LineError kSame = LineError::SameNumbers, kNaN = LineError::NotANumber,
                    kRange = LineError::OutOfRange, kNone = LineError::None;
} // namespace

TEST(TextEntryCheck, ReadsTheFieldsAndRefusesWithItsMessageOrPasses) {
    // clang-format off
    const std::pair<QByteArray, const char*> files[] = {
        {"03 17 22 41 09 12\n", nullptr},            {"03 17 22 41 09 43", kBadText},
        {"05 05 10 20 30 12", kSameBalls},           {"03,17,22,41,09,12", kBadText},
        {"03 17 22 41 09", kBadText},                {"00 17 22 41 09 12", kBadText},
        {QByteArray("03 17 \x01\x02 41 09 12", 17), kBadText},
        {"3  17 22  4 9  12", nullptr},              {"03 17 22 41 09 12 my lucky ones", nullptr},
        {"\"03 17 22 41 09 12\"", nullptr},          {"", nullptr},
        {"05 05 10 20 30 12\n01 02 03 04 05 99", kSameBalls}}; // the first fault wins
    // clang-format on
    for (const auto& [bytes, message] : files)
        EXPECT_EQ(refusal(Powerball, readTextFields(bytes)), QString::fromLatin1(message))
            << bytes.constData();
    EXPECT_EQ(refusal(MegaMillions, {"52 17 22 41 09 52", "53 17 22 41 09 12"}), kBadText);
    for (const auto& [game, date, top, above] : kTopLines)
        EXPECT_EQ(refusal(game, {top}, date) + refusal(game, {above}, date), kBadText) << top;

    // An entry file holds at most 32767 lines.
    QByteArray many = QByteArray("01 02 03 04 05 06\n").repeated(32768);
    EXPECT_TRUE(refusal(Powerball, readTextFields(many)).contains(QStringLiteral("32767")));
    many.chop(18);
    EXPECT_EQ(refusal(Powerball, readTextFields(many)), QString());

    // Byte order marks and every kind of line end are read as text.
    const QStringList expected{"03 17 22 41 09 12", "01 02 03 04 05 06"};
    EXPECT_EQ(readTextFields("\xEF\xBB\xBF"
                             "03 17 22 41 09 12\r\n\r\n01 02 03 04 05 06\r\n"),
              expected);
    EXPECT_EQ(readTextFields("03 17 22 41 09 12\r01 02 03 04 05 06"), expected);
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringConverter::Flag::WriteBom);
    EXPECT_EQ(readTextFields(utf16(expected.join('\n'))), expected);
}

// Import checks again: a date that has lines or a text file no longer passing changes nothing.
TEST(TextImport, WritesOneDatedRecordPerLineAscendingOnceAndNeverOverAnother) {
    TempFolder folder;
    const QDate day(2003, 7, 5), other(2003, 7, 9);
    const QString lines = folder.writeFile("lines.txt", "41 17 03 22 09 12\n05 04 03 02 01 42\n");
    const QString target = folder.filePath(QStringLiteral("PwrB05JUL2003.lot"));
    EXPECT_TRUE(validateTextImport(folder.path(), Powerball, lines, day).valid);
    EXPECT_FALSE(QFileInfo::exists(target)); // Validate creates nothing

    EXPECT_EQ(importTextEntry(folder.path(), Powerball, lines, day).lines, 2);
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
    EXPECT_EQ(importTextEntry(folder.path(), Powerball, lines, other).message, kBadText);
    EXPECT_EQ(importTextEntry(folder.path(), Powerball, folder.filePath("gone.txt"), other).message,
              QStringLiteral("Your txt file is not valid"));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("PwrB09JUL2003.lot"))));
}

TEST(TypedLine, TheLastFindingWinsAndAGoodLineIsStoredInOrder) {
    // clang-format off
    const struct { const char* texts; LineLimits limits; LineError expected; } cases[] = {
        {"5 5 10 20 30 7", kPbAdd, kSame},   {"0 1 2 3 4 7", kPbAdd, kNaN},
        {"1 _ 2 3 4 7", kPbAdd, kNaN},       {"1 ab 2 3 4 7", kPbAdd, kNaN},
        {"1 2 3 4 5 43", kPbAdd, kRange},    {"1 2 3 4 54 9", kPbAdd, kRange},
        {"1 2 3 4 53 42", kPbAdd, kNone},    {"1 2 3 4 53 9", kMbEdit, kRange},
        {"1 2 3 4 5 53", kMbEdit, kRange},   {"1 2 3 4 5 52", kMbEdit, kNone},
        // The bonus is drawn from its own drum: it may equal a main number.
        {"5 10 20 30 40 5", kPbAdd, kNone},  {"1 2 3 4 52 52", kMbEdit, kNone},
        // The add screen calls an empty bonus out of range, the edit screen not a number.
        {"1 2 3 4 5 _", kPbAdd, kRange},     {"1 2 3 4 5 _", kPbEdit, kNaN},
        // Later findings win, box by box; two zeros are equal and below 1 (below wins); bonus last.
        {"60 5 5 10 20 7", kPbAdd, kSame},   {"5 5 10 20 60 7", kPbAdd, kRange},
        {"0 0 10 20 30 7", kPbAdd, kNaN},    {"5 5 0 20 60 0", kPbEdit, kNaN},
        // A value that fits no 16-bit field is out of range, never a crash.
        {"1 2 3 4 99999999 7", {99999999, 42, LowBonus::OutOfRange}, kRange},
        {"1 2 3 4 99999999999999999999999999999999999999999 7", kPbAdd, kRange},
        {"-5 2 3 4 6 7", kPbAdd, kNaN},
        // Compared as typed (0.9 is not 1 and is below 1) but stored whole: "1.5" and "2" repeat.
        {".9 1 10 20 30 7", kPbAdd, kNaN},   {"1.5 2 10 20 30 7", kPbAdd, kSame}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(readTypedLine(boxes(c.texts), c.limits).error, c.expected) << c.texts;
    // Leading blanks and trailing text are read; the main numbers are stored ascending.
    const TypedLine typed = readTypedLine({" 17", "8x", "9", "10", "11", "1"}, kPbAdd);
    EXPECT_EQ(std::tuple(typed.error, typed.line),
              std::tuple(kNone, EntryLine{{8, 9, 10, 11, 17}, 1}));
}
