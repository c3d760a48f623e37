#include "data/draw_history_file.h"
#include "data/entry_file.h"
#include "payouts/payout_files.h"
#include "support/main_window_fixture.h"
#include "support/payout_file_bytes.h"
#include "ui/date_picker.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QDate kDrawDate(2003, 7, 5); // a Saturday: today on the test clock
const EntryLine kJackpot{{5, 12, 25, 33, 41}, 7};
const EntryLine kThreeAndBonus{{5, 12, 25, 40, 44}, 7};
const EntryLine kThree{{5, 12, 25, 40, 44}, 9};
const EntryLine kBonusOnly{{1, 2, 3, 4, 6}, 7};
const EntryLine kNothing{{5, 12, 30, 40, 44}, 9};
} // namespace

class CheckScreen : public MainWindowTest {
  protected:
    void SetUp() override {
        DrawHistoryFile::insertDraw(historyFilePath(folder(), Powerball), {5, 12, 25, 33, 41}, 7,
                                    kDrawDate.day(), kDrawDate.month(), kDrawDate.year());
        writeFileBytes(file("game.dat"), QByteArray(2, '\xff')); // start with Powerball
    }
    void addLines(const std::vector<EntryLine>& lines, GameCode game = Powerball) {
        for (const EntryLine& line : lines)
            EntryFile::appendLine(datedEntryFileName(folder(), game, kDrawDate), line);
    }
    void writeActualTable(int flag) {
        writeFileBytes(file("USRES.rtl"), actualRecordBytes("05JUL2003", flag, 1,
                                                            {0, 1000, 500, 100, 100, 7, 7, 4, 3}));
    }
    void writeDefaults() {
        DefaultPayoutFile::writeAmounts(file("Defaults.rtl"), {100000, 5000, 100, 100, 7, 7, 4, 3});
    }
    // Starts (which may check by itself) and then presses Check.
    void startAndCheck() {
        startWindow();
        dialogs.clear();
        sound.played.clear();
        child<QPushButton>("Command14")->click();
    }
    QStringList rows(const char* list) const {
        QStringList all;
        auto* w = child<QListWidget>(list);
        for (int i = 0; i < w->count(); ++i)
            all << w->item(i)->text();
        return all;
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
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(CheckScreen, ConfirmedTableGivesTheExactTotal) {
    writeActualTable(-1);
    writeDefaults(); // ignored: the actual table of the date comes first
    addLines({kThree, kNothing, kBonusOnly});
    startAndCheck();
    EXPECT_EQ(dialogs.texts(), QStringList{"Won $10 using confirmed payout data."});
}

TEST_F(CheckScreen, ProvisionalTableIsUnconfirmed) {
    writeActualTable(0);
    addLines({kThree, kThreeAndBonus});
    startAndCheck();
    EXPECT_EQ(dialogs.texts(), QStringList{"Won $107 using unconfirmed payout data."});
}

TEST_F(CheckScreen, DefaultsLeaveTheJackpotOutAndSayWhy) {
    writeDefaults();
    addLines({kJackpot, kThree, kJackpot});
    startAndCheck();
    EXPECT_EQ(dialogs.texts(),
              QStringList{"Won $7 using default payout data. This does not include your Jackpot "
                          "win !!!!"});
    EXPECT_EQ(rows("List2").first(), QStringLiteral("05 12 25 33 41 PB 07 (5+PB)"));
    // One fanfare per jackpot line, from the data folder.
    EXPECT_EQ(sound.played, QStringList(2, file("tada.wav")));
}

TEST_F(CheckScreen, DefaultsWithoutAJackpot) {
    writeDefaults();
    addLines({kThree, kThreeAndBonus, kBonusOnly});
    startAndCheck();
    EXPECT_EQ(dialogs.texts(), QStringList{"Won $110 using default payout data."});
}

TEST_F(CheckScreen, NoPayoutDataStillListsTheWinsAndDropsAnEmptyDefaultFile) {
    writeFileBytes(file("Defaults.rtl"), QByteArray(32, '\0'));
    addLines({kThree});
    startAndCheck();
    EXPECT_EQ(dialogs.texts(), QStringList{"Won $0 using unconfirmed payout data."});
    EXPECT_EQ(text3(), QStringLiteral(" 1"));
    EXPECT_FALSE(QFileInfo::exists(file("Defaults.rtl")));
}

TEST_F(CheckScreen, NoWinningLine) {
    addLines({kNothing, kNothing});
    startAndCheck();
    EXPECT_EQ(dialogs.texts(), QStringList{"No wins this time!"});
    EXPECT_TRUE(rows("List2").isEmpty());
    EXPECT_TRUE(selectedRows().empty());
    EXPECT_EQ(text3(), QStringLiteral(" 0"));
}

TEST_F(CheckScreen, LinesAreTestedBeforeTheDrawAndThePrizeLookUpRunsFirst) {
    clock.date = QDate(2003, 7, 9); // no draw stored, no lines for this date
    writeFileBytes(file("Defaults.rtl"), QByteArray(32, '\0'));
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
    DrawHistoryFile::insertDraw(historyFilePath(folder(), MegaMillions), {3, 14, 25, 36, 47}, 12, 4,
                                7, 2003);
    EntryFile::appendLine(datedEntryFileName(folder(), MegaMillions, clock.date),
                          EntryLine{{3, 14, 25, 36, 1}, 12});
    EntryFile::appendLine(datedEntryFileName(folder(), MegaMillions, clock.date),
                          EntryLine{{2, 4, 6, 8, 10}, 12});
    writeFileBytes(file("game.dat"), QByteArray(2, '\0'));
    startAndCheck();
    EXPECT_EQ(rows("List2"),
              (QStringList{"03 14 25 36 01 MB 12 (4+MB)", "02 04 06 08 10 MB 12 (MB)"}));
}

TEST_F(CheckScreen, DamagedPayoutFileIsReportedOnceKeptAndTheDefaultsServe) {
    const QByteArray damaged = actualRecordBytes("05JUL2003", -1, 9, {1, 1, 1, 1, 1, 1, 1, 1, 1});
    writeFileBytes(file("USRES.rtl"), damaged);
    writeDefaults();
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
