#include "entries/entry_test_helpers.h"
#include "support/main_window_fixture.h"
#include "support/screen_finder.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const char* const kInsufficient =
    "You do not have sufficient draws in the results file (need 20 or more) for the computer to "
    "suggest entries based on draw history. You must add them manually using the area above.";

std::vector<EntryLine> numberedLines(int count) {
    std::vector<EntryLine> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(EntryLine{{1, 2, 3, 4, static_cast<std::int16_t>(5 + i % 40)}, 7});
    return lines;
}
} // namespace

class AddEntries : public MainWindowTest {
  protected:
    void TearDown() override { discardScreens("Form5"); }

    // Starts on Powerball, whose draw day 5 July 2003 is.
    void startPowerball() {
        startWindow();
        child<QRadioButton>("Option3")->click();
        // Switching game checks lines against a shown draw by itself; that
        // message is not what these tests are about.
        dialogs.clear();
    }
    QString entryFile() const { return file(QStringLiteral("PwrB05JUL2003.lot")); }
    QString history() const { return file(QStringLiteral("pbk.rtl")); }

    QWidget* openForm5() {
        child<QPushButton>("Command4")->click();
        form = visibleScreen("Form5");
        return form;
    }
    template <typename T> T* on(const char* name) const {
        T* found = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void type(std::array<const char*, 6> texts) {
        for (int i = 0; i < 6; ++i)
            on<QLineEdit>(QStringLiteral("Text1_%1").arg(i).toLatin1().constData())
                ->setText(QString::fromLatin1(texts[static_cast<size_t>(i)]));
    }
    void suggest(const char* number, bool total) {
        on<QLineEdit>("Text8")->setText(QString::fromLatin1(number));
        on<QRadioButton>(total ? "Option1" : "Option2")->setChecked(true);
        on<QPushButton>("Command4")->click();
    }
    QStringList listed() const {
        QStringList items;
        auto* list = child<QListWidget>("List1");
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }
    QString count() const { return child<QLineEdit>("Text2")->text(); }
    bool runButtonsEnabled() const {
        for (const char* name : {"Command3", "Command4", "Command5", "Command6"})
            if (!on<QPushButton>(name)->isEnabled())
                return false;
        return true;
    }

    QWidget* form = nullptr;
};

TEST_F(AddEntries, DatedEntryCaptionAndTheNonDrawDayQuestion) {
    startWindow(); // Mega Millions: a Saturday is no draw day
    dialogs.answerNo();
    EXPECT_EQ(openForm5(), nullptr);
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral("This is not a Tuesday or Friday date, do you want to "
                                         "continue")});
    EXPECT_TRUE(window->isEnabled());

    dialogs.answerYes();
    ASSERT_NE(openForm5(), nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Mega Millions Entries for  5 JUL 2003"));
    EXPECT_EQ(on<QLabel>("Label2")->text(), QStringLiteral("MB"));
    EXPECT_TRUE(on<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(window->isEnabled());
    form->close();
    EXPECT_TRUE(window->isEnabled());

    child<QRadioButton>("Option3")->click();
    dialogs.clear();
    ASSERT_NE(openForm5(), nullptr);
    EXPECT_TRUE(dialogs.shown.empty()) << "Saturday is a Powerball draw day";
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Powerball Entries for  5 JUL 2003"));
    EXPECT_EQ(on<QLabel>("Label2")->text(), QStringLiteral("PB"));
}

TEST_F(AddEntries, WheelAndStandingEntryCaptions) {
    startPowerball();
    state.currentEntryFile = file(QStringLiteral("PwrB-5-5-3.lot"));
    dialogs.answerNo();
    EXPECT_EQ(openForm5(), nullptr);
    EXPECT_EQ(dialogs.last(), QStringLiteral("Modifying a wheel entry can change the guarantee of "
                                             "the wheel. Are you sure you want to continue?"));
    dialogs.answerYes();
    ASSERT_NE(openForm5(), nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Wheel Entry"));
    form->close();

    state.currentEntryFile = file(QStringLiteral("StandPB.lot"));
    dialogs.clear();
    ASSERT_NE(openForm5(), nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Standing Entry"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(AddEntries, TypedLinesAreRefusedWithOneMessageAndNothingWritten) {
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    const std::pair<std::array<const char*, 6>, const char*> cases[] = {
        {{"5", "5", "10", "20", "30", "7"}, "One or more of your numbers are the same!"},
        {{"0", "1", "2", "3", "4", "7"}, "One or more of your entries is not a number!"},
        {{"1", "2", "3", "4", "5", "43"},
         "One or more of your numbers are out of range for the "
         "game!"},
        // All three at once: the bonus is looked at last.
        {{"0", "0", "60", "20", "30", "0"},
         "One or more of your numbers are out of range for "
         "the game!"}};
    for (const auto& [texts, message] : cases) {
        dialogs.clear();
        type(texts);
        on<QPushButton>("Command6")->click();
        EXPECT_EQ(dialogs.texts(), QStringList{QString::fromLatin1(message)});
    }
    EXPECT_EQ(EntryFile::countLines(entryFile()), 0);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(count(), QStringLiteral("0"));
}

TEST_F(AddEntries, ATypedLineIsStoredAscendingAndShownAtOnce) {
    EntryFile::appendLine(entryFile(), EntryLine{{1, 2, 3, 4, 5}, 6});
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    type({"40", "3", "17", "9", "22", "5"});
    on<QPushButton>("Command6")->click();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(EntryFile::readLines(entryFile()).back(), (EntryLine{{3, 9, 17, 22, 40}, 5}));
    EXPECT_EQ(EntryFile::countLines(entryFile()), 2);
    EXPECT_EQ(listed().last(), QStringLiteral("03 09 17 22 40 PB 05"));
    EXPECT_EQ(count(), QStringLiteral(" 2"));
    // The boxes keep what was typed; Return adds it again (no check against the file).
    EXPECT_EQ(on<QLineEdit>("Text1_0")->text(), QStringLiteral("40"));
    QTest::keyClick(on<QLineEdit>("Text1_5"), Qt::Key_Return);
    EXPECT_EQ(EntryFile::countLines(entryFile()), 3);

    on<QPushButton>("Command5")->click();
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(on<QLineEdit>(QStringLiteral("Text1_%1").arg(i).toLatin1().constData())
                        ->text()
                        .isEmpty());
}

TEST_F(AddEntries, BoxesTakeTwoCharactersAndTheCountFourAtMost) {
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    QTest::keyClicks(on<QLineEdit>("Text1_0"), QStringLiteral("12345"));
    EXPECT_EQ(on<QLineEdit>("Text1_0")->text(), QStringLiteral("12"));
    QTest::keyClicks(on<QLineEdit>("Text8"), QStringLiteral("123456"));
    EXPECT_EQ(on<QLineEdit>("Text8")->text(), QStringLiteral("1234"));
}

TEST_F(AddEntries, EveryWayOfClosingClearsTheWinningLines) {
    startPowerball();
    for (int way = 0; way < 2; ++way) {
        child<QListWidget>("List2")->addItem(QStringLiteral("01 02 03 04 05 PB 06  Jackpot"));
        child<QLineEdit>("Text3")->setText(QStringLiteral("1"));
        ASSERT_NE(openForm5(), nullptr);
        if (way == 0)
            on<QPushButton>("Command3")->click();
        else
            QTest::keyClick(form, Qt::Key_Escape);
        EXPECT_EQ(visibleScreen("Form5"), nullptr);
        EXPECT_EQ(child<QListWidget>("List2")->count(), 0);
        EXPECT_EQ(child<QLineEdit>("Text3")->text(), QStringLiteral("0"));
        EXPECT_TRUE(window->isEnabled());
    }
}

TEST_F(AddEntries, SuggestionRefusals) {
    writeHistory(history(), randomHistory(25, 53, 42));
    writeEntryFile(entryFile(), numberedLines(10));
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    const auto before = fileBytes(entryFile());
    suggest("", true);
    EXPECT_EQ(dialogs.last(), QStringLiteral("You have not specified a number to add. Please "
                                             "enter a number in: Enter No box"));
    suggest("10", true);
    EXPECT_EQ(dialogs.last(), QStringLiteral("You already have this number of entries or more."));
    suggest("0", false);
    EXPECT_EQ(dialogs.texts().size(), 3);
    EXPECT_EQ(fileBytes(entryFile()), before);
    EXPECT_TRUE(random.seeds.empty());
    EXPECT_TRUE(runButtonsEnabled());
}

TEST_F(AddEntries, AdditionalIsCappedAt2500Lines) {
    writeHistory(history(), randomHistory(300, 53, 42));
    writeEntryFile(entryFile(), numberedLines(2400));
    random.sequence = uniformSequence(5000);
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    suggest("101", false);
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral("You are limited to a maximum of 2500 entries")});
    EXPECT_EQ(EntryFile::countLines(entryFile()), 2400);
    suggest("100", false);
    EXPECT_EQ(dialogs.texts().size(), 1);
    EXPECT_EQ(EntryFile::countLines(entryFile()), 2500);
    EXPECT_EQ(listed().size(), 2500);
    EXPECT_EQ(count(), QStringLiteral(" 2500"));
}

TEST_F(AddEntries, NineteenDrawsAreNotEnoughTwentyAre) {
    writeHistory(history(), randomHistory(19, 53, 42));
    random.sequence = uniformSequence(5000);
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    suggest("5", false);
    EXPECT_EQ(dialogs.texts(), QStringList{QString::fromLatin1(kInsufficient)});
    EXPECT_EQ(EntryFile::countLines(entryFile()), 0);
    EXPECT_TRUE(runButtonsEnabled());

    DrawHistoryFile::insertDraw(history(), {1, 2, 3, 4, 5}, 6, 1, 1, 2004);
    suggest("5", false);
    EXPECT_EQ(dialogs.texts().size(), 1);
    EXPECT_EQ(EntryFile::countLines(entryFile()), 5);
}

TEST_F(AddEntries, TotalTenFromEmptyAddsTenLinesWithOneSeedFromTheClock) {
    writeHistory(history(), randomHistory(40, 53, 42));
    random.sequence = uniformSequence(20000);
    clock.seconds = 4321.5;
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    std::vector<bool> enabledDuringRun;
    QObject::connect(child<QListWidget>("List1")->model(), &QAbstractItemModel::rowsInserted, form,
                     [&] {
                         enabledDuringRun.push_back(runButtonsEnabled());
                         enabledDuringRun.push_back(on<QPushButton>("Command1")->isEnabled());
                     });
    suggest("10", true);
    EXPECT_TRUE(dialogs.shown.empty());
    const auto lines = EntryFile::readLines(entryFile());
    ASSERT_EQ(lines.size(), 10u);
    QStringList shown;
    for (const auto& line : lines)
        shown << entryDisplayLine(Powerball, line);
    EXPECT_EQ(listed(), shown);
    EXPECT_EQ(count(), QStringLiteral(" 10"));
    EXPECT_EQ(random.seeds, std::vector<double>{4321.5});
    for (size_t i = 0; i < enabledDuringRun.size(); i += 2) {
        EXPECT_FALSE(enabledDuringRun[i]) << "Close, Add, Clear and Add are off during the run";
        EXPECT_TRUE(enabledDuringRun[i + 1]) << "Cancel stays on";
    }
    EXPECT_TRUE(runButtonsEnabled());
    // Ten small lines: no two share three main numbers.
    for (size_t i = 0; i < lines.size(); ++i)
        for (size_t j = i + 1; j < lines.size(); ++j)
            EXPECT_LE(sharedMainNumbers(lines[i], lines[j]), 2);
}

TEST_F(AddEntries, AKnownRandomSequenceGivesKnownLines) {
    writeHistory(history(), tracingHistory(20));
    const int n = 20;
    random.sequence = {0.0,         pick(3, n), pick(5, n),  pick(7, n), pick(2, n),
                       pick(20, n), pick(4, n), pick(20, n), pick(1, n), pick(1, n),
                       pick(1, n),  pick(1, n), pick(9, n)};
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    suggest("2", false);
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("03 15 27 32 53 PB 04"),
                                     QStringLiteral("11 20 21 31 34 PB 09")}));
}

TEST_F(AddEntries, ThirtyLinesPlusTenSuggestedShareAtMostTwoMainNumbers) {
    const auto draws = randomHistory(300, 53, 42);
    writeHistory(history(), draws);
    std::vector<EntryLine> entry;
    for (size_t i = 0; i < 30; ++i)
        entry.push_back(EntryLine{draws[i].balls, 1});
    writeEntryFile(entryFile(), entry);
    random.sequence = uniformSequence(100000, 5);
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    suggest("10", false);
    const auto lines = EntryFile::readLines(entryFile());
    ASSERT_EQ(lines.size(), 40u);
    for (size_t i = 30; i < 40; ++i)
        for (size_t j = 0; j < 40; ++j)
            if (i != j)
                EXPECT_LE(sharedMainNumbers(lines[i], lines[j]), 2) << i << " " << j;
}

TEST_F(AddEntries, CancelKeepsExactlyTheLinesShown) {
    writeHistory(history(), randomHistory(300, 53, 42));
    random.sequence = uniformSequence(20000);
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    auto* list = child<QListWidget>("List1");
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, form, [&] {
        if (list->count() == 3)
            on<QPushButton>("Command1")->click();
    });
    suggest("2000", false);
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(EntryFile::countLines(entryFile()), 3);
    EXPECT_EQ(count(), QStringLiteral(" 3"));
    EXPECT_FALSE(state.cancelRequested);
    EXPECT_TRUE(runButtonsEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(AddEntries, ACancelPressedWhileIdleDoesNotStopTheNextRun) {
    writeHistory(history(), randomHistory(300, 53, 42));
    random.sequence = uniformSequence(20000);
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    on<QPushButton>("Command1")->click();
    suggest("5", false);
    EXPECT_EQ(EntryFile::countLines(entryFile()), 5);
}

TEST_F(AddEntries, CancelIsHeardWhileNoLineTurnsUp) {
    writeHistory(history(), tracingHistory(20));
    random.sequence = {0.0}; // every attempt is abandoned
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    QTimer::singleShot(0, form, [&] { on<QPushButton>("Command1")->click(); });
    suggest("5", false);
    EXPECT_EQ(EntryFile::countLines(entryFile()), 0);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_LT(random.nextIndex, 10000u);
    EXPECT_TRUE(runButtonsEnabled());
}

TEST_F(AddEntries, ClosingDuringARunStopsItFirst) {
    writeHistory(history(), randomHistory(300, 53, 42));
    random.sequence = uniformSequence(20000);
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    auto* list = child<QListWidget>("List1");
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, form, [&] {
        if (list->count() == 2)
            QTest::keyClick(form, Qt::Key_Escape);
    });
    suggest("50", false);
    EXPECT_EQ(EntryFile::countLines(entryFile()), 2);
    EXPECT_EQ(visibleScreen("Form5"), nullptr);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(AddEntries, ALargeEntryNeverRepeatsFiveAndANarrowHistoryEndsTheRunWithAMessage) {
    // Each position has two values: 32 different lines. 30 of them are held
    // already, together with 30 other lines (a large entry: only five shared
    // numbers are refused).
    std::vector<DrawRecord> draws;
    for (int d = 0; d < 20; ++d) {
        DrawRecord r;
        for (int p = 0; p < 5; ++p)
            r.balls[static_cast<size_t>(p)] = static_cast<std::int16_t>(10 * p + 1 + (d + p) % 2);
        r.bonus = 3;
        draws.push_back(r);
    }
    writeHistory(history(), draws);
    std::vector<EntryLine> entry;
    for (int mask = 0; mask < 30; ++mask) {
        EntryLine line{{}, 1};
        for (int p = 0; p < 5; ++p)
            line.numbers[static_cast<size_t>(p)] =
                static_cast<std::int16_t>(10 * p + 1 + ((mask >> p) & 1));
        entry.push_back(line);
    }
    for (int i = 0; i < 30; ++i)
        entry.push_back(EntryLine{{1, 13, 25, 37, static_cast<std::int16_t>(44 + i % 9)}, 1});
    writeEntryFile(entryFile(), entry);
    random.sequence = uniformSequence(100003);
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    suggest("3", false);
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral(
                  "The draw history does not give another line that differs enough from the "
                  "lines already in this entry, so the computer stopped: 2 lines were added.")});
    const auto lines = EntryFile::readLines(entryFile());
    ASSERT_EQ(lines.size(), 62u);
    EXPECT_EQ(listed().size(), 62);
    EXPECT_TRUE(runButtonsEnabled());
    // The two lines left were found; they may share four numbers, never five.
    for (size_t i = 60; i < lines.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            EXPECT_LT(sharedMainNumbers(lines[i], lines[j]), 5) << i << " " << j;
}

TEST_F(AddEntries, ADamagedHistoryIsReportedAndNothingIsAdded) {
    QFile f(history());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(26, '\xff')); // count -1
    f.close();
    startPowerball();
    dialogs.clear();
    ASSERT_NE(openForm5(), nullptr);
    suggest("5", false);
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("pbk.rtl")));
    EXPECT_EQ(EntryFile::countLines(entryFile()), 0);
    EXPECT_TRUE(runButtonsEnabled());
}
