#include "entries/entry_test_helpers.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"
#include "support/temp_folder.h"
#include "wheels/wheel_catalogue.h"
#include "wheels/wheel_file.h"
#include "wheels/wheel_line.h"
#include "wheels/wheel_proposal.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <bit>
#include <functional>
#include <numeric>
#include <set>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

const QString kInstallFolder = QStringLiteral(NUMBRAVA_SOURCE_DIR "/install");

std::vector<int> numbers(int from, int to, std::vector<int> out = {}) {
    for (int n = from; n <= to; ++n)
        out.push_back(n);
    return out;
}

// Each shipped wheel (and its copy beside the program) holds its catalogue's lines of five
// ascending positions, none twice; for any D numbers of the group some line holds at least M.
TEST(ShippedWheels, HoldTheirLinesAndMeetTheirGuarantee) {
    using Mask = std::uint32_t; // bit i: position i + 1
    for (const WheelKind& kind : wheelCatalogue())
        for (const WheelSize& size : kind.sizes) {
            const int n = size.groupSize;
            const QString path = wheelFilePath(kInstallFolder, kind.type, n);
            SCOPED_TRACE(path.toStdString());
            const QByteArray text = fileBytes(path);
            EXPECT_EQ(text.count('\n'), size.entriesRequired);
            EXPECT_EQ(fileBytes(wheelFilePath(NUMBRAVA_BIN_DIR, kind.type, n)), text);
            // With the group 1..n the numbers read are the positions themselves.
            const WheelFileLines read = readWheel(kInstallFolder, kind.type, numbers(1, n));
            ASSERT_EQ(read.lines.size(), size_t(size.entriesRequired))
                << read.message().toStdString();
            std::set<Mask> lines;
            for (const EntryLine& line : read.lines) {
                const auto& p = line.numbers;
                EXPECT_EQ(std::adjacent_find(p.begin(), p.end(), std::greater_equal<>()), p.end())
                    << "positions not strictly ascending";
                lines.insert(std::accumulate(p.begin(), p.end(), Mask{0}, [](Mask m, int at) {
                    return m | Mask{1} << (at - 1);
                }));
            }
            EXPECT_EQ(lines.size(), read.lines.size()) << "repeated line";
            int uncovered = 0;
            for (Mask drawn = 0; drawn < (Mask{1} << n); ++drawn)
                if (std::popcount(drawn) == kind.drawnInGroup)
                    uncovered += std::none_of(lines.begin(), lines.end(), [&](Mask line) {
                        return std::popcount(line & drawn) >= kind.guaranteedMatch;
                    });
            EXPECT_EQ(uncovered, 0)
                << "drawn sets without a line matching " << kind.guaranteedMatch;
        }
}

// By hand, so a slip in a count or caption cannot hide behind the files; 5-D-M fixes each caption.
TEST(WheelCatalogue, SixTypesInOrderWithThePlayersCaptionsSizesAndLineCounts) {
    const QStringList expected{
        "5-5-5 7:21 8:56 9:126 10:252",           "5-5-4 7:3 8:5 9:9 10:14 11:22 12:35",
        "5-5-3 10:2 11:5 12:6 13:8 14:10 15:13",  "5-4-4 6:5 7:9 8:20 9:30 10:53 11:66",
        "5-4-3 9:5 10:7 11:10 12:13 13:16 14:21", "5-3-3 8:8 9:12 10:17 11:22 12:31 13:36"};
    QStringList seen;
    for (const WheelKind& kind : wheelCatalogue()) {
        QStringList sizes(kind.tag());
        for (const WheelSize& size : kind.sizes) {
            sizes << QStringLiteral("%1:%2").arg(size.groupSize).arg(size.entriesRequired);
            EXPECT_EQ(entriesRequired(kind.type, size.groupSize), size.entriesRequired);
        }
        seen << sizes.join(' ');
        EXPECT_EQ(kind.type, seen.size());
        EXPECT_EQ(findWheelKind(kind.type), &kind);
        EXPECT_EQ(kind.menuObjectName, QStringLiteral("mnu") + kind.tag().remove('-'));
        const QString d = QString::number(kind.drawnInGroup);
        const QString match = QStringLiteral("Guarantee Match %1").arg(kind.guaranteedMatch);
        EXPECT_EQ(kind.optionCaption, match);
        EXPECT_EQ(kind.groupLabel, "Any " + d + " from Group Picked");
        EXPECT_EQ(kind.menuCaption, match + " if " + d + " Picked from Group");
        EXPECT_EQ(kind.guaranteeLine,
                  match + " if any " + d + " drawn from the following number group:");
    }
    EXPECT_EQ(seen, expected);
    for (int type : {0, 7}) {
        EXPECT_EQ(findWheelKind(type), nullptr);
        EXPECT_FALSE(entriesRequired(type, 7));
        EXPECT_TRUE(wheelFilePath("/x", type, 10).isEmpty());
        EXPECT_TRUE(wheelEntryFileName(Powerball, type).isEmpty());
    }
    EXPECT_FALSE(entriesRequired(1, 11));
}

TEST(WheelFile, ReadsTheRequiredLinesOfTheGroupsNumbersOrTellsWhyNot) {
    using enum WheelFileStatus;
    const QByteArray six = QByteArray("01 02 03 04 05\r\n").repeated(6);
    const struct {
        int type, n;
        QByteArray text; // a null array: no file at all
        WheelFileStatus status;
        size_t lines = 0; // lines read when the file is sound
    } cases[] = {
        // Group 10 of type 3 needs two lines; what follows is never read.
        {3, 10, "01 02 03 04 05\n06 07 08 09 10\n1 2 3 4 5\n", Ok, 2},
        {3, 10, "01 02 03 04 05\n06 07 08 09 10", Ok, 2}, // no line end at the end
        {5, 9, six, Ok, 5},
        {5, 9, six.left(4 * 16), NotFound},
        {2, 8, QByteArray(), NotFound},
        {3, 9, "01 02 03 04 05\n05 06 07 08 09\n", NotFound}, // a size type 3 does not offer
        {3, 10, "01 02 03 04 05\n1 2 3 4 5\n", Corrupt},
        {3, 10, "01 02 03 04 05\n06 07 08 09 11\n", Corrupt},
        {5, 9, "01 02 03 04 05\n00 02 03 04 05\n", Corrupt}, // corrupt before a short end
        {3, 10, "01 02 03 04 05\n\n06 07 08 09 10\n", Corrupt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        TempFolder folder;
        ASSERT_TRUE(QDir(folder.path()).mkpath("wheels"));
        if (!c.text.isNull())
            writeFileBytes(wheelFilePath(folder.path(), c.type, c.n), c.text);
        std::vector<int> group = numbers(1, c.n); // even numbers: positions read as numbers fail
        std::ranges::for_each(group, [](int& g) { g *= 2; });
        const WheelFileLines read = readWheel(folder.path(), c.type, group);
        EXPECT_EQ(read.status, c.status);
        EXPECT_EQ(read.lines.size(), c.lines);
        if (c.lines == 2)
            EXPECT_EQ(read.lines[1].numbers, (std::array<std::int16_t, 5>{12, 14, 16, 18, 20}));
    }
    TempFolder folder;
    ASSERT_TRUE(QDir().mkpath(wheelFilePath(folder.path(), 2, 7)));
    EXPECT_EQ(readWheel(folder.path(), 2, numbers(1, 7)).status, NotFound);

    // Numbers differ from positions, so a decoder returning positions fails. A sixth field, blanks
    // around and anything after a comma or past the closing quote are ignored.
    const std::vector<int> group{3, 7, 11, 19, 20, 28, 33, 41, 47, 52};
    for (const char* text :
         {"01 02 03 04 05", "01 02 03 04 05 06", " 1  2  3  4  5", "01 02 03 04 05,99",
          "\"01 02 03 04 05\",x", "\"01 02 03 04 05,\"", "1x 02 03 04 05"})
        EXPECT_EQ(decodeWheelLine(text, group), (EntryLine{{3, 7, 11, 19, 20}, 0})) << text;
    EXPECT_EQ(decodeWheelLine("   01 03 05 07 09  ", group), (EntryLine{{3, 11, 20, 33, 47}, 0}));
    for (const char* text : {"1 2 3 4 5", "00 02 03 04 05", "01 02 a3 04 05", "-1 02 03 04 05",
                             "01 02 03 04", "01 02,03 04 05", "", "01 02 03 04 11"})
        EXPECT_EQ(decodeWheelLine(text, group), std::nullopt) << text;
    // Fields at fixed columns, not sorted.
    EXPECT_EQ(wheelLinePositions("09 03 12 01 15"), (std::array<int, 5>{9, 3, 12, 1, 15}));
    EXPECT_EQ(wheelLinePositions("01 02"), (std::array<int, 5>{1, 2, 0, 0, 0}));
}

} // namespace

class Wheels : public MainWindowTest {
  protected:
    QWidget* screen = nullptr;
    const QString shipped = kInstallFolder + QStringLiteral("/wheels/");

    void TearDown() override { discardScreens("Wheel5"); }

    void start(GameCode game) {
        QDir(folder()).mkdir(QStringLiteral("wheels"));
        for (const QString& name : QDir(shipped).entryList(QDir::Files))
            QFile::copy(shipped + name, file(QStringLiteral("wheels/") + name));
        startOn(game);
        dialogs.clear();
    }
    QWidget* openWheel5() {
        action("mnuWheelCreate")->trigger();
        return screen = visibleScreen("Wheel5");
    }
    template <typename T> T* on(const char* name) const { return control<T>(screen, name); }
    QLineEdit* box(int i) const { return on<QLineEdit>(qPrintable("Text1_" + QString::number(i))); }
    // Picks a guarantee and a group size and types first, first + 1, ... into the boxes.
    void choose(int type, int groupSize, int first = 11) {
        on<QRadioButton>(qPrintable("Option" + QString::number(type)))->click();
        on<QComboBox>("Combo1")->setCurrentText(QString::number(groupSize));
        for (int i = 0; i < groupSize; ++i)
            box(i)->setText(QString::number(first + i));
    }
    void save(const char* bonusRule) {
        on<QRadioButton>(bonusRule)->click();
        clickOn(screen, "Command3");
        closeScreens("Wheel5");
    }
};

TEST_F(Wheels, PrintsTheCoverSheetSavesEveryLineWithTheCountAndARefusalStoresNothing) {
    printer.printers = {QStringLiteral("Office")};
    writeHistory(file(QStringLiteral("pbk.rtl")), tracingHistory(2));
    start(Powerball);
    ASSERT_NE(openWheel5(), nullptr);
    choose(5, 9, 1);
    box(2)->setText(QStringLiteral("03"));
    box(3)->setText(QStringLiteral("x"));
    clickOn(screen, "Command2");
    EXPECT_EQ(printer.lines,
              QStringList({"", "", "Wheel for Powerball", QString(44, '-'),
                           "Guarantee Match 3 if any 4 drawn from the following number group:", "",
                           "1 2 3 x 5 6 7 8 9 ", QString(60, '-'), "", "Number of Balls is 9", "",
                           "Number of game entries required for coverage is 5", "",
                           "File Maintenance Name: PwrB-5-4-3.lot"}));
    EXPECT_EQ(printer.documentsEnded, 1);
    closeScreens("Wheel5");
    // Lines over a group of 10; Spread runs past 42.
    for (const auto& [type, lines, name] :
         {std::tuple{3, 2, "PwrB-5-5-3.lot"}, std::tuple{1, 252, "PwrB-5-5-5.lot"},
          std::tuple{4, 53, "PwrB-5-4-4.lot"}}) {
        SCOPED_TRACE(name);
        ASSERT_NE(openWheel5(), nullptr);
        choose(type, 10);
        save("Option7");
        EXPECT_EQ(dialogs.texts(), QStringList{"Done!"});
        const QByteArray bytes = fileBytes(file(QString::fromLatin1(name)));
        ASSERT_EQ(bytes.size(), lines * kRawRecordSize);
        for (int k = 1; k <= lines; ++k) {
            const EntryRecord r = EntryRecord::fromBytes(recordOf(bytes, k));
            EXPECT_EQ(storedCount(recordOf(bytes, k)), lines) << k;
            EXPECT_EQ(r.line.bonus, (k - 1) % 42 + 1) << k;
            EXPECT_TRUE(r.line.numbers[0] >= 11 && r.line.numbers[4] <= 20) << k;
        }
        dialogs.clear();
        action(qPrintable(findWheelKind(type)->menuObjectName))->trigger();
        EXPECT_EQ(std::tuple(child<QLineEdit>("Text2")->text(), rows("List1").size(),
                             state.openWheelType, child<QPushButton>("Command3")->isHidden()),
                  std::tuple(QString::number(lines), lines, type, false));
    }
    // The two lines of 5-5-3-10.whl, positions 1 3 5 7 8 and 2 4 6 9 10.
    EXPECT_EQ(fileBytes(file(QStringLiteral("PwrB-5-5-3.lot"))),
              (RawRecord{.count = 2, .numbers = {11, 13, 15, 17, 18}, .bonus = 1}.bytes() +
               RawRecord{.count = 2, .numbers = {12, 14, 16, 19, 20}, .bonus = 2}.bytes()));
    // A refused build leaves the stored wheel as it was.
    const QString stored = file(QStringLiteral("PwrB-5-5-3.lot"));
    const QString wheel = file(QStringLiteral("wheels/5-5-3-10.whl"));
    const struct {
        std::function<void()> prepare;
        const char* bonusRule;
        QString message;
    } cases[] = {
        {[&] { box(3)->setText("22"); }, "Option7", "One or more of your numbers are the same!"},
        {[&] { box(9)->clear(); }, "Option7", "One or more of your numbers are out of range!"},
        {[&] { writeFileBytes(wheel, "01 02 03 04 05\n01 02 00 04 05\n"); }, "Option7",
         "Your wheel data file is corrupt"},
        {[&] { writeFileBytes(wheel, "01 02 03 04 05\n"); }, "Option7",
         "The wheel file cannot be found!"},
        {[] {}, "Option9",
         "You have fewer than 3 draws in the history file. The program cannot suggest Optimised "
         "entries yet. Please select Random or Spread"},
        {[] {}, "Option8",
         "You have already created one of thse wheels. Do you want to overwrite the existing "
         "entry with this new entry?"}, // answered No
    };
    const QByteArray before = fileBytes(stored);
    for (const auto& c : cases) {
        ASSERT_NE(openWheel5(), nullptr);
        choose(3, 10, 21); // not the numbers stored, so a wrongful save would show
        c.prepare();
        save(c.bonusRule);
        EXPECT_EQ(dialogs.texts(), QStringList{c.message});
        EXPECT_EQ(fileBytes(stored), before) << c.message.toStdString();
        dialogs.clear();
        writeFileBytes(wheel, fileBytes(shipped + QStringLiteral("5-5-3-10.whl")));
    }
}

TEST_F(Wheels, ReplacingTheWheelShownEmptiesTheMainScreenAndEachGameHasItsOwn) {
    writeHistory(file(QStringLiteral("pbk.rtl")), tracingHistory(3)); // bonus = record number
    writeEntryFile(file(QStringLiteral("PwrB-5-5-3.lot")), {lineNo(1), lineNo(2), lineNo(3)});
    writeEntryFile(file(QStringLiteral("PwrB-5-3-3.lot")), {lineNo(1)});
    writeEntryFile(file(QStringLiteral("Mega-5-3-3.lot")), {lineNo(2), lineNo(3)});
    writeHistory(file(QStringLiteral("million.rtl")), {{.balls = {10, 20, 30, 40, 50}},
                                                       {.balls = {10, 20, 3, 4, 5}},
                                                       {.balls = {10, 3, 6, 7, 8}}});
    start(Powerball);
    action("mnu553")->trigger();
    dialogs.answerYes();            // only type 3 is stored already
    for (const int type : {2, 3}) { // another type leaves it alone
        ASSERT_NE(openWheel5(), nullptr);
        choose(type, 10);
        random.sequence = {pick(3, 3), pick(1, 3)};
        random.nextIndex = 0;
        save("Option9"); // Optimized with exactly 3 draws
        EXPECT_EQ(dialogs.last(), QStringLiteral("Done!"));
        EXPECT_EQ(rows("List1").size(), type == 3 ? 0 : 3);
        EXPECT_EQ(state.openWheelType, type == 3 ? 0 : 3);
    }
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("0"));
    EXPECT_TRUE(state.currentEntryFile.isEmpty() && window->isEnabled());
    EXPECT_EQ(EntryFile::readLines(file(QStringLiteral("PwrB-5-5-3.lot"))),
              (std::vector<EntryLine>{{{11, 13, 15, 17, 18}, 3}, {{12, 14, 16, 19, 20}, 1}}));

    child<QRadioButton>("Option2")->click();
    dialogs.clear();
    action("mnu533")->trigger();
    const QStringList megaLines{entryDisplayLine(MegaMillions, lineNo(2)),
                                entryDisplayLine(MegaMillions, lineNo(3))};
    EXPECT_EQ(rows("List1"), megaLines);
    // A wheel never built: the main screen and its wheel type stay as they were.
    action("mnu555")->trigger();
    EXPECT_EQ(dialogs.texts(), QStringList{"You have not yet created this 5 wheel"});
    EXPECT_EQ(rows("List1"), megaLines);
    EXPECT_EQ(state.openWheelType, 6);
    EXPECT_EQ(child<QGroupBox>("Frame5")->title(), QStringLiteral("Wheel 5-3-3 for Mega Millions"));
    // The wheel screen opens with the most drawn numbers of the game.
    ASSERT_NE(openWheel5(), nullptr);
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("5 Wheel for Mega Millions"));
    EXPECT_EQ(on<QGroupBox>("Frame2")->title(), QStringLiteral("Mega Ball"));
    EXPECT_EQ(modelTexts(on<QComboBox>("Combo1")->model()), QStringList({"7", "8", "9", "10"}));
    EXPECT_EQ(on<QLineEdit>("Text25")->text(), QStringLiteral("21"));
    QStringList shown;
    for (int i = 0; i < 24; ++i)
        if (!box(i)->isHidden())
            shown << box(i)->text();
    EXPECT_EQ(shown, QStringList({"3", "4", "5", "6", "7", "10", "20"}));
    EXPECT_FALSE(on<QPushButton>("Command2")->isEnabled()); // no printer
}

// A group may hold its game's top number, not one above; Spread runs over today's bonus range.
TEST_F(Wheels, EveryGamesTopNumberMakesAWheelAndSpreadRunsOverTodaysBonusRange) {
    clock.date = QDate(2026, 8, 10);
    for (const auto& [game, top, bonusTop] :
         {std::tuple{Powerball, 53, 42}, std::tuple{MegaMillions, 52, 52},
          std::tuple{Powerball69, 69, 26}, std::tuple{MegaMillions70, 70, 24}}) {
        start(game);
        for (const int first : {top - 8, top - 9}) {
            ASSERT_NE(openWheel5(), nullptr);
            choose(4, 10, first);
            save("Option7");
        }
        EXPECT_EQ(dialogs.texts(),
                  QStringList({"One or more of your numbers are out of range!", "Done!"}));
        int main = 0, bonus = 0;
        for (const EntryLine& line : EntryFile::readLines(file(wheelEntryFileName(game, 4))))
            main = std::max<int>(main, line.numbers[4]), bonus = std::max<int>(bonus, line.bonus);
        EXPECT_EQ(std::pair(main, bonus), std::pair(top, bonusTop)) << top;
        window.reset();
    }
}

TEST(WheelProposal, RanksByFrequencyAndFillsWithDistinctRandomNumbers) {
    std::vector<DrawRecord> ties(11); // 1..50 once, then 46..50 again
    for (int d = 0; d < 55; ++d)
        ties[d / 5].balls[d % 5] = i16(d < 50 ? d + 1 : d - 4);
    const struct {
        const char* name;
        std::vector<DrawRecord> draws;
        std::vector<int> randomNumbers; // what the generator draws, repeats included
        std::vector<int> expected;
    } cases[] = {
        // 10 three times, 3 and 20 twice, the rest once; 60 is no Powerball; the fill skips held.
        {"fewer than 24 drawn",
         {{.balls = {10, 20, 30, 40, 50}},
          {.balls = {10, 20, 3, 4, 5}},
          {.balls = {10, 3, 6, 7, 8}},
          {.balls = {60, 60, 60, 60, 60}}},
         numbers(1, 53),
         {10, 3, 20, 4, 5, 6, 7, 8, 30, 40, 50, 1, 2, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 21}},
        {"empty history", {}, numbers(1, 52, {53, 53}), numbers(1, 23, {53})},
        {"ties smaller first", ties, {27}, numbers(1, 19, numbers(46, 50))},
        // A generator stuck on 0.5 (27) still ends, with the smallest free numbers.
        {"stuck generator", {}, {27}, numbers(1, 23, {27})},
    };
    for (const auto& c : cases) {
        ScriptedRandom random;
        random.sequence.clear();
        for (int n : c.randomNumbers)
            random.sequence.push_back((n - 0.5) / 53);
        std::vector<int> proposal = mostDrawnNumbers(c.draws, 53);
        fillWithRandomNumbers(proposal, 53, random);
        EXPECT_EQ(proposal, c.expected) << c.name;
    }
}
