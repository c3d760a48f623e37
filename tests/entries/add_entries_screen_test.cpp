#include "entries/entry_test_helpers.h"
#include "support/main_window_fixture.h"

#include <QLineEdit>

using namespace numbrava;
using namespace numbrava::testing;

// The fixture's today, 5 July 2003, is a Saturday: a Powerball draw day only.
class AddEntries : public MainWindowTest {
  protected:
    void TearDown() override { discardScreens("Form5"); }

    // Powerball with this history and random stream, Form5 open.
    void openWith(const std::vector<DrawRecord>& draws = {}, std::vector<double> sequence = {0.5}) {
        writeHistory(history(), draws);
        random.sequence = std::move(sequence);
        startOn(Powerball);
        ASSERT_NE(openForm5(), nullptr);
        // Switching game checks lines against a shown draw by itself; that
        // message is not what these tests are about.
        dialogs.clear();
    }
    QString entryFile() const { return file(QStringLiteral("PwrB05JUL2003.lot")); }
    QString history() const { return file(QStringLiteral("pbk.rtl")); }
    QWidget* openForm5() {
        child<QPushButton>("Command4")->click();
        return form = visibleScreen("Form5");
    }
    QLineEdit* numberBox(int i) const {
        return form->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));
    }
    void type(std::array<const char*, 6> texts) {
        for (int i = 0; i < 6; ++i)
            numberBox(i)->setText(QString::fromLatin1(texts[static_cast<size_t>(i)]));
        clickOn(form, "Command6");
    }
    void suggest(const char* number, bool total) {
        control<QLineEdit>(form, "Text8")->setText(QString::fromLatin1(number));
        control<QRadioButton>(form, total ? "Option1" : "Option2")->setChecked(true);
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
            if (!control<QPushButton>(form, name)->isEnabled())
                return false;
        return true;
    }

    QWidget* form = nullptr;
};

// Every way of closing clears the winning lines: they no longer match the entries.
TEST_F(AddEntries, CaptionsTheQuestionsAskedBeforeOpeningAndClosing) {
    const struct {
        GameCode game;
        const char* entryFile; // nullptr: the dated one
        const char* question;  // answered No, then Yes
        const char* title;
        CloseWay way;
    } cases[] = {
        {MegaMillions, nullptr, "This is not a Tuesday or Friday date, do you want to continue",
         "Mega Millions Entries for  5 JUL 2003", CloseWay::Button},
        {Powerball, nullptr, nullptr, "Powerball Entries for  5 JUL 2003", CloseWay::Escape},
        {Powerball, "PwrB-5-5-3.lot",
         "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
         "continue?",
         "Wheel Entry", CloseWay::TitleBar},
        {Powerball, "StandPB.lot", nullptr, "Standing Entry", CloseWay::TitleBar}};
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
        child<QListWidget>("List2")->addItem(QStringLiteral("01 02 03 04 05 PB 06  Jackpot"));
        child<QLineEdit>("Text3")->setText(QStringLiteral("1"));
        ASSERT_NE(openForm5(), nullptr);
        EXPECT_EQ(dialogs.texts(), asked);
        EXPECT_EQ(form->windowTitle(), QString::fromLatin1(c.title));
        EXPECT_EQ(control<QLabel>(form, "Label2")->text(), c.game == Powerball ? "PB" : "MB");
        EXPECT_TRUE(control<QRadioButton>(form, "Option1")->isChecked());
        EXPECT_FALSE(window->isEnabled());
        closeBy(form, c.way, "Command3");
        EXPECT_EQ(visibleScreen("Form5"), nullptr);
        EXPECT_TRUE(window->isEnabled());
        EXPECT_TRUE(rows("List2").isEmpty());
        EXPECT_EQ(child<QLineEdit>("Text3")->text(), QStringLiteral("0"));
    }
}

// The typed line's refusal texts and their order are its own; this proves the
// wiring. Refusals of a suggestion request come before any number is drawn; a
// damaged or short history is reported once the run has begun. None writes.
TEST_F(AddEntries, TypedLinesAndTheRefusalsOfSuggestions) {
    writeEntryFile(entryFile(), std::vector<EntryLine>(10, lineNo(1)));
    openWith();
    type({"0", "0", "60", "20", "30", "0"}); // all three faults: the range is named
    EXPECT_EQ(linesStored(), 10);
    type({"40", "3", "17", "9", "22", "5"});
    EXPECT_EQ(EntryFile::readLines(entryFile()).back(), (EntryLine{{3, 9, 17, 22, 40}, 5}));
    EXPECT_EQ(rows("List1").mid(9), (QStringList{"01 11 21 31 41 PB 01", "03 09 17 22 40 PB 05"}));
    EXPECT_EQ(count(), QStringLiteral(" 11"));
    // The boxes keep what was typed; Return adds it again (no check against the file).
    QTest::keyClick(numberBox(5), Qt::Key_Return);
    EXPECT_EQ(linesStored(), 12);
    clickOn(form, "Command5");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(numberBox(i)->text(), QString()) << i;

    const QByteArray before = fileBytes(entryFile());
    const QString noNumber = QStringLiteral(
        "You have not specified a number to add. Please enter a number in: Enter No box");
    suggest("", true);
    suggest("12", true); // "Total" 12 with 12 lines
    suggest("0", false);
    EXPECT_TRUE(random.seeds.empty());
    writeFileBytes(history(), QByteArray(26, '\xff')); // count -1
    suggest("5", false);
    QFile::remove(history());
    writeHistory(history(), randomHistory(19));
    suggest("5", false);
    QStringList texts = dialogs.texts();
    ASSERT_EQ(texts.size(), 6);
    EXPECT_TRUE(texts.takeAt(4).contains(QStringLiteral("pbk.rtl")));
    EXPECT_EQ(texts,
              (QStringList{"One or more of your numbers are out of range for the game!", noNumber,
                           "You already have this number of entries or more.", noNumber,
                           "You do not have sufficient draws in the results file (need 20 or "
                           "more) for the computer to suggest entries based on draw history. You "
                           "must add them manually using the area above."}));
    EXPECT_EQ(fileBytes(entryFile()), before);
    EXPECT_TRUE(runButtonsEnabled());

    DrawHistoryFile::insertDraw(history(), {1, 2, 3, 4, 5}, 6, 1, 1, 2004);
    random.sequence = uniformSequence(5000);
    suggest("5", false);
    EXPECT_EQ(dialogs.texts().size(), 6);
    EXPECT_EQ(linesStored(), 17);
}

// A Cancel pressed while no run goes must not stop the next run at once;
// Cancel keeps exactly the lines shown, and closing during a run stops it first.
TEST_F(AddEntries, RunsAddLineByLineUntilDoneCancelledOrClosed) {
    clock.seconds = 4321.5;
    openWith(randomHistory(300), uniformSequence(20000));
    clickOn(form, "Command1");
    QString duringRun; // Close, Add, Clear and Add are off during a run; Cancel stays on
    onEachLineShown([&] {
        duringRun += runButtonsEnabled() ? "on " : "off ";
        duringRun += control<QPushButton>(form, "Command1")->isEnabled() ? "on, " : "off, ";
        if (linesShown() == 13)
            clickOn(form, "Command1");
        if (linesShown() == 15)
            QTest::keyClick(form, Qt::Key_Escape);
    });
    suggest("10", true);
    const auto lines = EntryFile::readLines(entryFile());
    ASSERT_EQ(lines.size(), 10u);
    QStringList shown;
    for (const auto& line : lines)
        shown << entryDisplayLine(Powerball, line);
    EXPECT_EQ(rows("List1"), shown);
    EXPECT_EQ(count(), QStringLiteral(" 10"));
    EXPECT_EQ(random.seeds, std::vector<double>{4321.5});
    EXPECT_EQ(duringRun, QStringLiteral("off on, ").repeated(10));
    EXPECT_TRUE(runButtonsEnabled());

    suggest("2000", false);
    EXPECT_EQ(linesShown(), 13);
    EXPECT_EQ(linesStored(), 13);
    EXPECT_EQ(count(), QStringLiteral(" 13"));
    EXPECT_FALSE(state.cancelRequested);
    EXPECT_TRUE(runButtonsEnabled());

    suggest("50", false);
    EXPECT_EQ(linesStored(), 15);
    EXPECT_EQ(visibleScreen("Form5"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
}

// 50 lines held and "Enter No" 2 make a large entry, where four shared
// numbers are allowed and five never; this history gives one line only.
TEST_F(AddEntries, ALargeEntryNeverRepeatsFiveAndANarrowHistoryEndsTheRunWithAMessage) {
    writeEntryFile(entryFile(), std::vector<EntryLine>(50, {{1, 2, 3, 4, 6}, 1}));
    openWith(std::vector<DrawRecord>(20, {.balls = {1, 2, 3, 4, 5}, .bonus = 1}));
    suggest("2", false);
    EXPECT_EQ(dialogs.texts(),
              QStringList{"The draw history does not give another line that differs enough from "
                          "the lines already in this entry, so the computer stopped: 1 line was "
                          "added."});
    EXPECT_EQ(EntryFile::readLines(entryFile()).back(), (EntryLine{{1, 2, 3, 4, 5}, 1}));
    EXPECT_EQ(linesShown(), 51);
    EXPECT_TRUE(runButtonsEnabled());
}
