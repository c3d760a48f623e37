#include "entries/entry_test_helpers.h"
#include "support/main_window_fixture.h"

#include <QLineEdit>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
std::vector<EntryLine> numberedLines(int count) {
    std::vector<EntryLine> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(EntryLine{{1, 2, 3, 4, i16(5 + i % 40)}, 7});
    return lines;
}
} // namespace

class AddEntries : public MainWindowTest {
  protected:
    void TearDown() override { discardScreens("Form5"); }

    // Starts on Powerball, whose draw day 5 July 2003 is.
    void startPowerball() {
        startOn(Powerball);
        // Switching game checks lines against a shown draw by itself; that
        // message is not what these tests are about.
        dialogs.clear();
    }
    // Powerball with this history and random stream, Form5 open.
    void openWith(const std::vector<DrawRecord>& draws, std::vector<double> sequence) {
        writeHistory(history(), draws);
        random.sequence = std::move(sequence);
        startPowerball();
        ASSERT_NE(openForm5(), nullptr);
    }
    QString entryFile() const { return file(QStringLiteral("PwrB05JUL2003.lot")); }
    QString history() const { return file(QStringLiteral("pbk.rtl")); }

    QWidget* openForm5() {
        child<QPushButton>("Command4")->click();
        form = visibleScreen("Form5");
        return form;
    }
    template <typename T> T* on(const char* name) const { return control<T>(form, name); }
    QLineEdit* numberBox(int i) const {
        return form->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));
    }
    void type(std::array<const char*, 6> texts) {
        for (int i = 0; i < 6; ++i)
            numberBox(i)->setText(QString::fromLatin1(texts[static_cast<size_t>(i)]));
    }
    void suggest(const char* number, bool total) {
        on<QLineEdit>("Text8")->setText(QString::fromLatin1(number));
        on<QRadioButton>(total ? "Option1" : "Option2")->setChecked(true);
        clickOn(form, "Command4");
    }
    // After every line the screen adds to List1.
    template <typename F> void onEachLineShown(F f) {
        QObject::connect(child<QListWidget>("List1")->model(), &QAbstractItemModel::rowsInserted,
                         form, f);
    }
    int linesShown() const { return child<QListWidget>("List1")->count(); }
    int linesStored() const { return EntryFile::countLines(entryFile()); }
    QString count() const { return child<QLineEdit>("Text2")->text(); }
    bool runButtonsEnabled() const {
        for (const char* name : {"Command3", "Command4", "Command5", "Command6"})
            if (!on<QPushButton>(name)->isEnabled())
                return false;
        return true;
    }

    QWidget* form = nullptr;
};

// The fixture's today, 5 July 2003, is a Saturday: a Powerball draw day only.
TEST_F(AddEntries, CaptionsAndTheQuestionsAskedBeforeOpening) {
    const struct {
        GameCode game;
        const char* entryFile; // nullptr: the dated one
        const char* question;  // answered No, then Yes
        const char* title;
    } cases[] = {
        {MegaMillions, nullptr, "This is not a Tuesday or Friday date, do you want to continue",
         "Mega Millions Entries for  5 JUL 2003"},
        {Powerball, nullptr, nullptr, "Powerball Entries for  5 JUL 2003"},
        {Powerball, "PwrB-5-5-3.lot",
         "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
         "continue?",
         "Wheel Entry"},
        {Powerball, "StandPB.lot", nullptr, "Standing Entry"}};
    startWindow();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        child<QRadioButton>(c.game == Powerball ? "Option3" : "Option2")->click();
        if (c.entryFile)
            state.currentEntryFile = file(QString::fromLatin1(c.entryFile));
        dialogs.clear();
        const QStringList asked = c.question ? QStringList{c.question} : QStringList{};
        if (c.question) {
            dialogs.answerNo();
            EXPECT_EQ(openForm5(), nullptr);
            EXPECT_EQ(dialogs.texts(), asked);
            EXPECT_TRUE(window->isEnabled());
            dialogs.clear();
            dialogs.answerYes();
        }
        ASSERT_NE(openForm5(), nullptr);
        EXPECT_EQ(dialogs.texts(), asked);
        EXPECT_EQ(form->windowTitle(), QString::fromLatin1(c.title));
        EXPECT_EQ(on<QLabel>("Label2")->text(), c.game == Powerball ? "PB" : "MB");
        EXPECT_TRUE(on<QRadioButton>("Option1")->isChecked());
        EXPECT_FALSE(window->isEnabled());
        form->close();
        EXPECT_TRUE(window->isEnabled());
    }
}

// The texts and their order are the typed line's own; this proves the wiring.
TEST_F(AddEntries, ATypedLineIsRefusedWithOneMessageAndNothingWritten) {
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    type({"0", "0", "60", "20", "30", "0"}); // all three faults: the range is named
    clickOn(form, "Command6");
    EXPECT_EQ(dialogs.texts(),
              QStringList{"One or more of your numbers are out of range for the game!"});
    EXPECT_EQ(linesStored(), 0);
    EXPECT_EQ(linesShown(), 0);
    EXPECT_EQ(count(), QStringLiteral("0"));
}

TEST_F(AddEntries, ATypedLineIsStoredAscendingAndShownAtOnce) {
    EntryFile::appendLine(entryFile(), EntryLine{{1, 2, 3, 4, 5}, 6});
    startPowerball();
    ASSERT_NE(openForm5(), nullptr);
    type({"40", "3", "17", "9", "22", "5"});
    clickOn(form, "Command6");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(EntryFile::readLines(entryFile()).back(), (EntryLine{{3, 9, 17, 22, 40}, 5}));
    EXPECT_EQ(linesStored(), 2);
    EXPECT_EQ(rows("List1").last(), QStringLiteral("03 09 17 22 40 PB 05"));
    EXPECT_EQ(count(), QStringLiteral(" 2"));
    // The boxes keep what was typed; Return adds it again (no check against the file).
    EXPECT_EQ(numberBox(0)->text(), QStringLiteral("40"));
    QTest::keyClick(numberBox(5), Qt::Key_Return);
    EXPECT_EQ(linesStored(), 3);

    clickOn(form, "Command5");
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(numberBox(i)->text().isEmpty());
}

TEST_F(AddEntries, EveryWayOfClosingClearsTheWinningLines) {
    startPowerball();
    for (CloseWay way : {CloseWay::Button, CloseWay::Escape}) {
        child<QListWidget>("List2")->addItem(QStringLiteral("01 02 03 04 05 PB 06  Jackpot"));
        child<QLineEdit>("Text3")->setText(QStringLiteral("1"));
        ASSERT_NE(openForm5(), nullptr);
        closeBy(form, way, "Command3");
        EXPECT_EQ(visibleScreen("Form5"), nullptr);
        EXPECT_TRUE(rows("List2").isEmpty());
        EXPECT_EQ(child<QLineEdit>("Text3")->text(), QStringLiteral("0"));
        EXPECT_TRUE(window->isEnabled());
    }
}

TEST_F(AddEntries, SuggestionRefusals) {
    writeEntryFile(entryFile(), numberedLines(10));
    openWith(randomHistory(25, 53, 42), {0.5});
    const QByteArray before = fileBytes(entryFile());
    suggest("", true);
    EXPECT_EQ(dialogs.last(), QStringLiteral("You have not specified a number to add. Please "
                                             "enter a number in: Enter No box"));
    suggest("10", true); // "Total" 10 with 10 lines
    EXPECT_EQ(dialogs.last(), QStringLiteral("You already have this number of entries or more."));
    suggest("0", false);
    EXPECT_EQ(dialogs.texts().size(), 3);
    EXPECT_EQ(fileBytes(entryFile()), before);
    EXPECT_TRUE(random.seeds.empty());
    EXPECT_TRUE(runButtonsEnabled());
}

TEST_F(AddEntries, NineteenDrawsAreNotEnoughTwentyAre) {
    openWith(randomHistory(19, 53, 42), uniformSequence(5000));
    suggest("5", false);
    EXPECT_EQ(dialogs.texts(),
              QStringList{"You do not have sufficient draws in the results file (need 20 or more) "
                          "for the computer to suggest entries based on draw history. You must "
                          "add them manually using the area above."});
    EXPECT_EQ(linesStored(), 0);
    EXPECT_TRUE(runButtonsEnabled());

    DrawHistoryFile::insertDraw(history(), {1, 2, 3, 4, 5}, 6, 1, 1, 2004);
    suggest("5", false);
    EXPECT_EQ(dialogs.texts().size(), 1);
    EXPECT_EQ(linesStored(), 5);
}

TEST_F(AddEntries, TotalTenFromEmptyAddsTenLinesWithOneSeedFromTheClock) {
    clock.seconds = 4321.5;
    openWith(randomHistory(40, 53, 42), uniformSequence(20000));
    std::vector<bool> enabledDuringRun;
    onEachLineShown([&] {
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
    EXPECT_EQ(rows("List1"), shown);
    EXPECT_EQ(count(), QStringLiteral(" 10"));
    EXPECT_EQ(random.seeds, std::vector<double>{4321.5});
    for (size_t i = 0; i < enabledDuringRun.size(); i += 2) {
        EXPECT_FALSE(enabledDuringRun[i]) << "Close, Add, Clear and Add are off during the run";
        EXPECT_TRUE(enabledDuringRun[i + 1]) << "Cancel stays on";
    }
    EXPECT_TRUE(runButtonsEnabled());
}

// A Cancel pressed while no run goes must not stop the next run at once.
TEST_F(AddEntries, CancelKeepsExactlyTheLinesShown) {
    openWith(randomHistory(300, 53, 42), uniformSequence(20000));
    clickOn(form, "Command1");
    onEachLineShown([&] {
        if (linesShown() == 3)
            clickOn(form, "Command1");
    });
    suggest("2000", false);
    EXPECT_EQ(linesShown(), 3);
    EXPECT_EQ(linesStored(), 3);
    EXPECT_EQ(count(), QStringLiteral(" 3"));
    EXPECT_FALSE(state.cancelRequested);
    EXPECT_TRUE(runButtonsEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(AddEntries, ClosingDuringARunStopsItFirst) {
    openWith(randomHistory(300, 53, 42), uniformSequence(20000));
    onEachLineShown([&] {
        if (linesShown() == 2)
            QTest::keyClick(form, Qt::Key_Escape);
    });
    suggest("50", false);
    EXPECT_EQ(linesStored(), 2);
    EXPECT_EQ(visibleScreen("Form5"), nullptr);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(AddEntries, ALargeEntryNeverRepeatsFiveAndANarrowHistoryEndsTheRunWithAMessage) {
    // Each position has two values: 32 different lines. 30 of them are held
    // already, together with 30 other lines (a large entry: only five shared
    // numbers are refused).
    std::vector<DrawRecord> draws(20);
    for (int d = 0; d < 20; ++d) {
        for (int p = 0; p < 5; ++p)
            draws[d].balls[p] = i16(10 * p + 1 + (d + p) % 2);
        draws[d].bonus = 3;
    }
    std::vector<EntryLine> entry;
    for (int mask = 0; mask < 30; ++mask) {
        EntryLine line{{}, 1};
        for (int p = 0; p < 5; ++p)
            line.numbers[p] = i16(10 * p + 1 + ((mask >> p) & 1));
        entry.push_back(line);
    }
    for (int i = 0; i < 30; ++i)
        entry.push_back(EntryLine{{1, 13, 25, 37, i16(44 + i % 9)}, 1});
    writeEntryFile(entryFile(), entry);
    openWith(draws, uniformSequence(100003));
    suggest("3", false);
    EXPECT_EQ(dialogs.texts(),
              QStringList{"The draw history does not give another line that differs enough from "
                          "the lines already in this entry, so the computer stopped: 2 lines were "
                          "added."});
    const auto lines = EntryFile::readLines(entryFile());
    ASSERT_EQ(lines.size(), 62u);
    EXPECT_EQ(linesShown(), 62);
    EXPECT_TRUE(runButtonsEnabled());
}

TEST_F(AddEntries, ADamagedHistoryIsReportedAndNothingIsAdded) {
    writeFileBytes(history(), QByteArray(26, '\xff')); // count -1
    startPowerball();
    dialogs.clear();
    ASSERT_NE(openForm5(), nullptr);
    suggest("5", false);
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("pbk.rtl")));
    EXPECT_EQ(linesStored(), 0);
    EXPECT_TRUE(runButtonsEnabled());
}
