#include "entries/entry_test_helpers.h"
#include "main/draw_check.h"
#include "payouts/payout_files.h"
#include "payouts/prize_category.h"
#include "support/main_window_fixture.h"
#include "support/payout_file_bytes.h"

#include <QFileInfo>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QDate kDrawDate(2003, 7, 5); // a Saturday: today on the test clock
const EntryLine kJackpot{{5, 12, 25, 33, 41}, 7};
const EntryLine kThreeAndBonus{{5, 12, 25, 40, 44}, 7};
const EntryLine kThree{{5, 12, 25, 40, 44}, 9};
const EntryLine kBonusOnly{{1, 2, 3, 4, 6}, 7};
const EntryLine kNothing{{5, 12, 30, 40, 44}, 9};

enum Payouts { NoPayouts = 0, Confirmed = 1, Defaults = 2, EmptyDefaults = 4 };
} // namespace

class CheckScreen : public MainWindowTest {
  protected:
    void SetUp() override {
        storeDraw(Powerball, kDrawDate, {5, 12, 25, 33, 41}, 7);
        writeFileBytes(file("game.dat"), QByteArray(2, '\xff')); // start with Powerball
    }
    void addLines(const std::vector<EntryLine>& lines) { storeLines(Powerball, kDrawDate, lines); }
    void writePayouts(int payouts) {
        if (payouts & Confirmed)
            writeFileBytes(
                file("USRES.rtl"),
                actualRecordBytes("05JUL2003", -1, 1, {0, 1000, 500, 100, 100, 7, 7, 4, 3}));
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
    QString selected;
    for (int row = 0; row < list1->count(); ++row)
        selected += list1->item(row)->isSelected() ? '1' : '0';
    EXPECT_EQ(selected, QStringLiteral("0100100010"));
    EXPECT_EQ(text3(), QStringLiteral(" 3"));
    EXPECT_EQ(dialogs.texts(), QStringList{"Won $0 using unconfirmed payout data."});

    // Another result date: no draw, the old winners go, Total Wins stays.
    child<DatePicker>("DTPicker1")->setValue(QDate(2003, 7, 9));
    child<QLineEdit>("Text3")->setText(QStringLiteral(" 3"));
    child<QListWidget>("List2")->addItem(QStringLiteral("left over"));
    dialogs.clear();
    child<QPushButton>("Command14")->click();
    EXPECT_EQ(dialogs.texts(),
              QStringList{"You do not have any draw result listed to check against!"});
    EXPECT_TRUE(rows("List2").isEmpty());
    EXPECT_EQ(text3(), QStringLiteral(" 3"));
}

// The date's actual table beats the defaults; the prize look-up runs first, lines before the draw.
TEST_F(CheckScreen, TheReportNamesTheTotalAndWhereTheAmountsCameFrom) {
    // clang-format off
    const struct {
        QDate date;
        int payouts;
        std::vector<EntryLine> lines;
        const char* winners; // Text3
        const char* message;
    } cases[] = {
        {kDrawDate, Confirmed | Defaults, {kThree, kNothing, kBonusOnly}, " 2",
         "Won $10 using confirmed payout data."},
        {kDrawDate, Defaults, {kJackpot, kThree, kJackpot}, " 3",
         "Won $7 using default payout data. This does not include your Jackpot win !!!!"},
        {kDrawDate, NoPayouts, {kNothing, kNothing}, " 0", "No wins this time!"},
        {QDate(2003, 7, 9), EmptyDefaults, {}, "0", "You do not have any entries listed to check!"}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        for (const char* name : {"USRES.rtl", "Defaults.rtl", "PwrB05JUL2003.lot"})
            QFile::remove(file(name));
        writePayouts(c.payouts);
        addLines(c.lines);
        clock.date = c.date;
        startAndCheck();
        EXPECT_TRUE(QFileInfo::exists(file("USRES.rtl")));
        EXPECT_EQ(dialogs.texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(text3(), QString::fromLatin1(c.winners));
        const auto jackpots = std::count(c.lines.begin(), c.lines.end(), kJackpot);
        EXPECT_EQ(sound.played, QStringList(static_cast<int>(jackpots), file("tada.wav")));
        // A default file without a first amount above 0 goes.
        EXPECT_EQ(QFileInfo::exists(file("Defaults.rtl")), (c.payouts & Defaults) != 0);
    }
}

TEST_F(CheckScreen, SwitchingToAGameWithLinesAndADrawChecksAtOnce) {
    addLines({kThree});
    writeFileBytes(file("game.dat"), QByteArray(2, '\0')); // start with Mega Millions
    startWindow();
    EXPECT_TRUE(dialogs.shown.empty()); // nothing to check there, and no message
    child<QRadioButton>("Option3")->click();
    EXPECT_EQ(dialogs.texts().size(), 1);
    EXPECT_EQ(rows("List2"), QStringList{"05 12 25 40 44 PB 09 (3)"});
    dialogs.clear();
    child<QRadioButton>("Option2")->click();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(rows("List2").isEmpty());
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

// Sound count, numbers outside the game: the check and suggestion name the file, stop, report none.
using DamagedNumbers = MainWindowTest;

TEST_F(DamagedNumbers, TheOperationNamesTheFileAndStops) {
    constexpr std::array<std::int16_t, 5> good{5, 12, 25, 33, 41}, line54{5, 12, 25, 33, 54};
    const struct {
        bool suggest;                     // the suggestion run, else the check
        std::array<std::int16_t, 5> draw; // the shown draw, or draw 7 of 20
        std::array<std::int16_t, 5> line;
        const char* namedFile;
    } cases[] = {{false, {-32768, 0, 32767, 99, -1}, {-32768, 0, 32767, 99, -1}, "pbk.rtl"},
                 {false, good, line54, "PwrB05JUL2003.lot"},
                 {true, {0, 12, 25, 33, 41}, good, "pbk.rtl"},
                 {true, good, line54, "PwrB05JUL2003.lot"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.suggest << c.namedFile);
        QFile::remove(file("pbk.rtl"));
        QFile::remove(file("PwrB05JUL2003.lot"));
        if (c.suggest) {
            std::vector<DrawRecord> draws = tracingHistory(20);
            draws[6].balls = c.draw;
            writeHistory(file("pbk.rtl"), draws);
        } else {
            storeDraw(Powerball, kDrawDate, c.draw, 7);
        }
        storeLines(Powerball, kDrawDate, {EntryLine{c.line, 7}});
        const QByteArray entriesBefore = fileBytes(file("PwrB05JUL2003.lot"));
        // Start-up checks the shown draw by itself: what it reports counts too.
        dialogs.clear();
        startOn(Powerball);
        if (c.suggest) {
            child<QPushButton>("Command4")->click();
            QWidget* form = visibleScreen("Form5");
            ASSERT_NE(form, nullptr);
            control<QLineEdit>(form, "Text8")->setText("5");
            clickOn(form, "Command4");
            discardScreens("Form5");
        } else {
            child<QPushButton>("Command14")->click();
        }
        const QStringList texts = dialogs.texts();
        EXPECT_EQ(texts.filter(c.namedFile).size(), 1) << texts.join('\n').toStdString();
        EXPECT_EQ(texts.filter("Won").size(), 0);
        EXPECT_TRUE(sound.played.empty());
        EXPECT_EQ(rows("List2"), QStringList());
        EXPECT_EQ(fileBytes(file("PwrB05JUL2003.lot")), entriesBefore);
    }
}

TEST(LineAgainstDraw, LabelsOfEveryCategoryInBothGames) {
    QStringList labels;
    for (const GameCode game : {Powerball, MegaMillions})
        for (int c = 1; c <= kPrizeCategories; ++c)
            labels << winningLabel(game, c) + QLatin1Char('=') + payoutCategoryLabel(game, c);
    EXPECT_EQ(labels.join(' '), "(5+PB)=(5+PB) (5)=(5+0) (4+PB)=(4+PB) (4)=(4+0) (3+PB)=(3+PB) "
                                "(3)=(3+0) (2+PB)=(2+PB) (1+PB)=(1+PB) (PB)=(0+PB) "
                                "(5+MB)=(5+MB) (5)=(5+0) (4+MB)=(4+MB) (4)=(4+0) (3+MB)=(3+MB) "
                                "(3)=(3+0) (2+MB)=(2+MB) (1+MB)=(1+MB) (MB)=(0+MB)");
}

// The shipped histories cover every category; the traps: the bonus counts only against the drawn
// bonus, never a main ball, and a main number equal to the drawn bonus is no main match.
TEST(LineAgainstDraw, TheBonusAndRepeatedNumbersCountOnlyWhereTheyMatch) {
    const CheckDraw draw{{5, 12, 25, 33, 41}, 7};
    const struct {
        EntryLine line;
        int matched;
        int category;
    } cases[] = {{{{41, 33, 25, 12, 5}, 7}, 5, 1}, {{{5, 5, 1, 2, 3}, 9}, 2, 0},
                 {{{1, 2, 3, 4, 6}, 41}, 0, 0},    {{{5, 12, 25, 40, 44}, 33}, 3, 6},
                 {{{7, 12, 30, 40, 44}, 9}, 1, 0}, {{{1, 2, 3, 4, 6}, 7}, 0, 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(entryDisplayLine(Powerball, c.line).toStdString());
        EXPECT_EQ(mainNumbersMatched(c.line, draw), c.matched);
        EXPECT_EQ(prizeCategoryOf(c.line, draw), c.category);
    }
}

TEST(CheckTotals, ASumBeyondThirtyTwoBitsStaysExactAndIsWrittenWithoutExponent) {
    PayoutTable table;
    table.setAmount(9, 2147483647);
    const std::vector<EntryLine> lines(32767, kBonusOnly);
    const CheckResult r = checkLines(Powerball, lines, CheckDraw{{5, 12, 25, 33, 41}, 7}, table);
    EXPECT_EQ(r.total, 2147483647LL * 32767);
    PayoutLookUp payouts;
    payouts.defaultUsed = true;
    EXPECT_EQ(checkReport(r, payouts),
              QStringLiteral("Won $70366596661249 using default payout data."));
}
