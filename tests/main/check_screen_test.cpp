#include "data/entry_file.h"
#include "main/draw_check.h"
#include "payouts/payout_files.h"
#include "payouts/prize_category.h"
#include "support/main_window_fixture.h"
#include "support/payout_file_bytes.h"
#include "ui/date_picker.h"

#include <QFileInfo>
#include <QLineEdit>
#include <algorithm>
#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QDate kDrawDate(2003, 7, 5); // a Saturday: today on the test clock
const EntryLine kJackpot{{5, 12, 25, 33, 41}, 7};
const EntryLine kThreeAndBonus{{5, 12, 25, 40, 44}, 7};
const EntryLine kThree{{5, 12, 25, 40, 44}, 9};
const EntryLine kBonusOnly{{1, 2, 3, 4, 6}, 7};
const EntryLine kNothing{{5, 12, 30, 40, 44}, 9};

// The payout files a check finds beside the lines.
enum Payouts { NoPayouts = 0, Confirmed = 1, Provisional = 2, Defaults = 4, EmptyDefaults = 8 };
} // namespace

class CheckScreen : public MainWindowTest {
  protected:
    void SetUp() override {
        storeDraw(Powerball, kDrawDate, {5, 12, 25, 33, 41}, 7);
        writeFileBytes(file("game.dat"), QByteArray(2, '\xff')); // start with Powerball
    }
    void addLines(const std::vector<EntryLine>& lines) { storeLines(Powerball, kDrawDate, lines); }
    void writePayouts(int payouts) {
        if (payouts & (Confirmed | Provisional))
            writeFileBytes(file("USRES.rtl"),
                           actualRecordBytes("05JUL2003", payouts & Confirmed ? -1 : 0, 1,
                                             {0, 1000, 500, 100, 100, 7, 7, 4, 3}));
        if (payouts & Defaults)
            DefaultPayoutFile::writeAmounts(file("Defaults.rtl"),
                                            {100000, 5000, 100, 100, 7, 7, 4, 3});
        if (payouts & EmptyDefaults)
            writeFileBytes(file("Defaults.rtl"), QByteArray(32, '\0'));
    }
    // Starts (which may check by itself) and then presses Check.
    void startAndCheck() {
        startWindow();
        dialogs.clear();
        sound.played.clear();
        child<QPushButton>("Command14")->click();
    }
    std::vector<int> selectedRows() const {
        std::vector<int> selected;
        auto* list1 = child<QListWidget>("List1");
        for (int i = 0; i < list1->count(); ++i)
            if (list1->item(i)->isSelected())
                selected.push_back(i);
        return selected;
    }
    QString text3() const { return child<QLineEdit>("Text3")->text(); }
};

TEST_F(CheckScreen, ThreeWinnersOutOfTenAreListedSelectedAndCounted) {
    addLines({kNothing, kThree, kNothing, kNothing, kBonusOnly, kNothing, kNothing, kNothing,
              kThreeAndBonus, kNothing});
    startWindow();
    auto* list1 = child<QListWidget>("List1");
    list1->item(0)->setSelected(true); // a stale selection goes away
    list1->item(9)->setSelected(true);
    dialogs.clear();
    child<QPushButton>("Command14")->click();
    EXPECT_EQ(rows("List2"), (QStringList{"05 12 25 40 44 PB 09 (3)", "01 02 03 04 06 PB 07 (PB)",
                                          "05 12 25 40 44 PB 07 (3+PB)"}));
    EXPECT_EQ(selectedRows(), (std::vector<int>{1, 4, 8}));
    EXPECT_EQ(text3(), QStringLiteral(" 3"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Numbrava"));
}

struct ReportCase {
    const char* name;
    int payouts;
    std::vector<EntryLine> lines;
    const char* message;
    const char* winners; // Text3
};

void PrintTo(const ReportCase& c, std::ostream* os) {
    *os << c.name;
}

class CheckReport : public CheckScreen, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(CheckReport, NamesTheTotalAndWhereTheAmountsCameFrom) {
    const ReportCase& c = GetParam();
    writePayouts(c.payouts);
    addLines(c.lines);
    startAndCheck();
    EXPECT_EQ(dialogs.texts(), QStringList{QString::fromLatin1(c.message)});
    EXPECT_EQ(text3(), QString::fromLatin1(c.winners));
    // Each jackpot line plays the fanfare.
    const auto jackpots = std::count(c.lines.begin(), c.lines.end(), kJackpot);
    EXPECT_EQ(sound.played, QStringList(static_cast<int>(jackpots), file("tada.wav")));
    // A default file without a first amount above 0 goes.
    EXPECT_EQ(QFileInfo::exists(file("Defaults.rtl")), (c.payouts & Defaults) != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, CheckReport,
    ::testing::Values(
        // The actual table of the date comes before the defaults.
        ReportCase{"Confirmed",
                   Confirmed | Defaults,
                   {kThree, kNothing, kBonusOnly},
                   "Won $10 using confirmed payout data.",
                   " 2"},
        ReportCase{"Unconfirmed",
                   Provisional,
                   {kThree, kThreeAndBonus},
                   "Won $107 using unconfirmed payout data.",
                   " 2"},
        ReportCase{"DefaultsWithoutTheJackpot",
                   Defaults,
                   {kJackpot, kThree, kJackpot},
                   "Won $7 using default payout data. This does not include your Jackpot win !!!!",
                   " 3"},
        ReportCase{
            "NoPayoutData", EmptyDefaults, {kThree}, "Won $0 using unconfirmed payout data.", " 1"},
        ReportCase{"NoWin", NoPayouts, {kNothing, kNothing}, "No wins this time!", " 0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CheckScreen, LinesAreTestedBeforeTheDrawAndThePrizeLookUpRunsFirst) {
    clock.date = QDate(2003, 7, 9); // no draw stored, no lines for this date
    writePayouts(EmptyDefaults);
    startAndCheck();
    EXPECT_EQ(dialogs.texts(), QStringList{"You do not have any entries listed to check!"});
    EXPECT_FALSE(QFileInfo::exists(file("Defaults.rtl")));
    EXPECT_TRUE(QFileInfo::exists(file("USRES.rtl")));
}

TEST_F(CheckScreen, LinesWithoutADrawAreRefusedAndTotalWinsIsLeftAlone) {
    addLines({kThree, kThreeAndBonus});
    startWindow();
    child<QPushButton>("Command14")->click();
    ASSERT_EQ(text3(), QStringLiteral(" 2"));
    // Another result date: no draw, and the old winners go.
    child<DatePicker>("DTPicker1")->setValue(QDate(2003, 7, 9));
    child<QLineEdit>("Text3")->setText(QStringLiteral(" 2"));
    child<QListWidget>("List2")->addItem(QStringLiteral("left over"));
    dialogs.clear();
    child<QPushButton>("Command14")->click();
    EXPECT_EQ(dialogs.texts(),
              QStringList{"You do not have any draw result listed to check against!"});
    EXPECT_TRUE(rows("List2").isEmpty());
    EXPECT_EQ(text3(), QStringLiteral(" 2"));
}

TEST_F(CheckScreen, SwitchingToAGameWithLinesAndADrawChecksAtOnce) {
    addLines({kThree});
    writeFileBytes(file("game.dat"), QByteArray(2, '\0')); // start with Mega Millions
    startWindow();
    EXPECT_TRUE(dialogs.shown.empty()); // nothing to check there, and no message
    child<QRadioButton>("Option3")->click();
    EXPECT_EQ(dialogs.texts(), QStringList{"Won $0 using unconfirmed payout data."});
    EXPECT_EQ(rows("List2"), QStringList{"05 12 25 40 44 PB 09 (3)"});
    dialogs.clear();
    child<QRadioButton>("Option2")->click();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(rows("List2").isEmpty());
}

TEST_F(CheckScreen, MegaMillionsLabelsCarryMB) {
    clock.date = QDate(2003, 7, 4); // a Friday
    storeDraw(MegaMillions, clock.date, {3, 14, 25, 36, 47}, 12);
    storeLines(MegaMillions, clock.date, {{{3, 14, 25, 36, 1}, 12}, {{2, 4, 6, 8, 10}, 12}});
    writeFileBytes(file("game.dat"), QByteArray(2, '\0'));
    startAndCheck();
    EXPECT_EQ(rows("List2"),
              (QStringList{"03 14 25 36 01 MB 12 (4+MB)", "02 04 06 08 10 MB 12 (MB)"}));
}

TEST_F(CheckScreen, DamagedPayoutFileIsReportedOnceKeptAndTheDefaultsServe) {
    const QByteArray damaged = actualRecordBytes("05JUL2003", -1, 9, {1, 1, 1, 1, 1, 1, 1, 1, 1});
    writeFileBytes(file("USRES.rtl"), damaged);
    writePayouts(Defaults);
    addLines({kThree});
    startWindow(); // its own check meets the damaged file first
    ASSERT_EQ(dialogs.shown.size(), 2u) << dialogs.texts().join('|').toStdString();
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("USRES.rtl")));
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("Won $7 using default payout data."));
    dialogs.clear();
    child<QPushButton>("Command14")->click();
    EXPECT_EQ(dialogs.texts(), QStringList{"Won $7 using default payout data."});
    EXPECT_EQ(fileBytes(file("USRES.rtl")), damaged);
}

namespace {
const CheckDraw kDraw{{5, 12, 25, 33, 41}, 7};

struct MatchCase {
    const char* name;
    GameCode game;
    EntryLine line;
    int category;      // 0: no win
    const char* label; // closes the winning line as listed
};

void PrintTo(const MatchCase& c, std::ostream* os) {
    *os << c.name;
}

class LineAgainstDraw : public ::testing::TestWithParam<MatchCase> {};
} // namespace

TEST_P(LineAgainstDraw, GetsItsCategoryAndLabel) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(prizeCategoryOf(c.line, kDraw), c.category);
    if (c.category != 0)
        EXPECT_EQ(winningLineText(c.game, c.line, c.category),
                  entryDisplayLine(c.game, c.line) + QLatin1Char(' ') + QLatin1String(c.label));
}

constexpr GameCode PB = Powerball;
constexpr GameCode MM = MegaMillions;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EveryCategoryAndTheMisses, LineAgainstDraw,
    ::testing::Values(
        MatchCase{"five_and_bonus",        PB, {{5, 12, 25, 33, 41}, 7}, 1, "(5+PB)"},
        MatchCase{"five_in_other_order",   PB, {{41, 33, 25, 12, 5}, 7}, 1, "(5+PB)"},
        MatchCase{"five",                  PB, {{5, 12, 25, 33, 41}, 8}, 2, "(5)"},
        MatchCase{"four_and_bonus",        PB, {{5, 12, 25, 33, 44}, 7}, 3, "(4+PB)"},
        MatchCase{"four",                  PB, {{5, 12, 25, 33, 44}, 9}, 4, "(4)"},
        MatchCase{"three_and_bonus",       PB, {{5, 12, 25, 40, 44}, 7}, 5, "(3+PB)"},
        MatchCase{"three",                 PB, {{5, 12, 25, 40, 44}, 9}, 6, "(3)"},
        MatchCase{"two_and_bonus",         PB, {{5, 12, 30, 40, 44}, 7}, 7, "(2+PB)"},
        MatchCase{"one_and_bonus",         PB, {{1, 12, 30, 40, 44}, 7}, 8, "(1+PB)"},
        MatchCase{"bonus_only",            PB, {{1, 2, 3, 4, 6}, 7},     9, "(PB)"},
        MatchCase{"two",                   PB, {{5, 12, 30, 40, 44}, 9}, 0, ""},
        MatchCase{"one",                   PB, {{5, 1, 30, 40, 44}, 9},  0, ""},
        MatchCase{"nothing",               PB, {{1, 2, 3, 4, 6}, 9},     0, ""},
        // The bonus counts only against the drawn bonus, never a main ball.
        MatchCase{"bonus_equals_a_drawn_main_ball", PB, {{1, 2, 3, 4, 6}, 41}, 0, ""},
        MatchCase{"three_and_bonus_equal_to_main_ball", PB, {{5, 12, 25, 40, 44}, 33}, 6, "(3)"},
        // A main number equal to the drawn bonus is no main match either.
        MatchCase{"main_number_equal_to_drawn_bonus", PB, {{7, 12, 30, 40, 44}, 9}, 0, ""},
        MatchCase{"mega_jackpot",          MM, {{5, 12, 25, 33, 41}, 7}, 1, "(5+MB)"},
        MatchCase{"mega_four_and_bonus",   MM, {{5, 12, 25, 33, 44}, 7}, 3, "(4+MB)"},
        MatchCase{"mega_five",             MM, {{5, 12, 25, 33, 41}, 1}, 2, "(5)"},
        MatchCase{"mega_bonus_only",       MM, {{1, 2, 3, 4, 6}, 7},     9, "(MB)"}),
    [](const ::testing::TestParamInfo<MatchCase>& info) { return info.param.name; });
// clang-format on

TEST(Matching, CountsPairsSoARepeatedNumberCountsEachTime) {
    EXPECT_EQ(mainNumbersMatched(EntryLine{{5, 5, 1, 2, 3}, 0}, kDraw), 2);
    EXPECT_EQ(mainNumbersMatched(EntryLine{{5, 12, 25, 33, 41}, 0}, kDraw), 5);
    EXPECT_EQ(mainNumbersMatched(EntryLine{{6, 13, 26, 34, 42}, 0}, kDraw), 0);
}

TEST(Matching, PayoutLabelsOfBothGames) {
    const char* pb[] = {"(5+PB)", "(5+0)",  "(4+PB)", "(4+0)", "(3+PB)",
                        "(3+0)",  "(2+PB)", "(1+PB)", "(0+PB)"};
    const char* mb[] = {"(5+MB)", "(5+0)",  "(4+MB)", "(4+0)", "(3+MB)",
                        "(3+0)",  "(2+MB)", "(1+MB)", "(0+MB)"};
    for (int c = 1; c <= kPrizeCategories; ++c) {
        EXPECT_EQ(payoutCategoryLabel(Powerball, c), QString::fromLatin1(pb[c - 1])) << c;
        EXPECT_EQ(payoutCategoryLabel(MegaMillions, c), QString::fromLatin1(mb[c - 1])) << c;
    }
}

TEST(CheckTotals, ASumBeyondThirtyTwoBitsStaysExactAndIsWrittenWithoutExponent) {
    PayoutTable table;
    table.setAmount(9, 2147483647);
    const std::vector<EntryLine> lines(32767, EntryLine{{1, 2, 3, 4, 6}, 7});
    const CheckResult r = checkLines(Powerball, lines, kDraw, table);
    EXPECT_EQ(r.total, 2147483647LL * 32767);
    PayoutLookUp payouts;
    payouts.defaultUsed = true;
    EXPECT_EQ(checkReport(r, payouts),
              QStringLiteral("Won $70366596661249 using default payout data."));
}
