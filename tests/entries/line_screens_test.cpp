#include "data/record_file.h"
#include "entries/entry_test_helpers.h"
#include "support/main_window_fixture.h"

using namespace numbrava;
using namespace numbrava::testing;

// The two screens that take a line in six boxes: Form5 adds one, editEntry changes one.
class LineScreens : public MainWindowTest {
  protected:
    QWidget* form = nullptr;

    void TearDown() override {
        discardScreens("Form5");
        discardScreens("editEntry");
    }
    QLineEdit* numberBox(int i) const {
        return form->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));
    }
    QStringList boxTexts() const {
        QStringList all;
        for (int i = 0; i < 6; ++i)
            all << numberBox(i)->text();
        return all;
    }
    void type(const QStringList& texts) {
        for (int i = 0; i < 6; ++i)
            numberBox(i)->setText(texts[i]);
        clickOn(form, "Command6");
    }
    QString count() const { return child<QLineEdit>("Text2")->text(); }
    QListWidget* list() const { return child<QListWidget>("List1"); }
};

// The fixture's today, 5 July 2003, is a Saturday: a Powerball draw day only.
class AddEntries : public LineScreens {
  protected:
    void openWith(const std::vector<DrawRecord>& draws = {}, std::vector<double> sequence = {0.5}) {
        writeHistory(file("pbk.rtl"), draws);
        random.sequence = std::move(sequence);
        startOn(Powerball);
        ASSERT_NE(openForm5(), nullptr);
        // Switching game checks lines against a shown draw itself; not what these tests test.
        dialogs.clear();
    }
    QString entryFile() const { return file(QStringLiteral("PwrB05JUL2003.lot")); }
    QWidget* openForm5() {
        child<QPushButton>("Command4")->click();
        return form = visibleScreen("Form5");
    }
    void suggest(const char* number, bool total) {
        control<QLineEdit>(form, "Text8")->setText(QString::fromLatin1(number));
        control<QRadioButton>(form, total ? "Option1" : "Option2")->setChecked(true);
        clickOn(form, "Command4");
    }
    int linesStored() const { return EntryFile::countLines(entryFile()); }
    bool runButtonsEnabled() const {
        for (const char* name : {"Command3", "Command4", "Command5", "Command6"})
            if (!control<QPushButton>(form, name)->isEnabled())
                return false;
        return true;
    }
};

// Every way of closing clears the winning lines: they no longer match the entries.
TEST_F(AddEntries, CaptionsTheQuestionsAskedBeforeOpeningAndClosing) {
    // Game, entry file (nullptr: the dated one), question (answered No, then Yes), caption, close.
    const std::tuple<GameCode, const char*, const char*, const char*, CloseWay> cases[] = {
        {MegaMillions, nullptr, "This is not a Tuesday or Friday date, do you want to continue",
         "Mega Millions Entries for  5 JUL 2003", CloseWay::Button},
        {Powerball, nullptr, nullptr, "Powerball Entries for  5 JUL 2003", CloseWay::Escape},
        {Powerball, "PwrB-5-5-3.lot",
         "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
         "continue?",
         "Wheel Entry", CloseWay::TitleBar},
        {Powerball, "StandPB.lot", nullptr, "Standing Entry", CloseWay::TitleBar}};
    startWindow();
    for (const auto& [game, entryFile, question, title, way] : cases) {
        SCOPED_TRACE(title);
        child<QRadioButton>(game == Powerball ? "Option3" : "Option2")->click();
        if (entryFile)
            state.currentEntryFile = file(QString::fromLatin1(entryFile));
        dialogs.clear();
        if (question) {
            dialogs.answerNo();
            dialogs.answerYes();
            EXPECT_EQ(openForm5(), nullptr);
            EXPECT_TRUE(window->isEnabled());
        }
        child<QListWidget>("List2")->addItem(QStringLiteral("01 02 03 04 05 PB 06  Jackpot"));
        child<QLineEdit>("Text3")->setText(QStringLiteral("1"));
        ASSERT_NE(openForm5(), nullptr);
        EXPECT_EQ(dialogs.texts(), question ? QStringList(2, question) : QStringList());
        EXPECT_EQ(
            std::tuple(form->windowTitle(), control<QLabel>(form, "Label2")->text(),
                       control<QRadioButton>(form, "Option1")->isChecked(), window->isEnabled()),
            std::tuple(QString::fromLatin1(title), game == Powerball ? "PB" : "MB", true, false));
        closeBy(form, way, "Command3");
        EXPECT_EQ(std::tuple(visibleScreen("Form5") == nullptr, window->isEnabled(), rows("List2"),
                             child<QLineEdit>("Text3")->text()),
                  std::tuple(true, true, QStringList(), QStringLiteral("0")));
    }
}

// Refusal texts are the typed line's own; this proves the wiring. Suggestion refusals come before
// any draw; a damaged or short history is reported once the run has begun. None writes.
TEST_F(AddEntries, TypedLinesAndTheRefusalsOfSuggestions) {
    writeEntryFile(entryFile(), std::vector<EntryLine>(10, lineNo(1)));
    openWith();
    type({"0", "0", "60", "20", "30", "0"}); // all three faults: the range is named
    EXPECT_EQ(linesStored(), 10);
    type({"40", "3", "17", "9", "22", "5"}); // stored in ascending order
    EXPECT_EQ(std::tuple(EntryFile::readLines(entryFile()).back(), count()),
              std::tuple(EntryLine{{3, 9, 17, 22, 40}, 5}, QStringLiteral(" 11")));
    EXPECT_EQ(rows("List1").mid(9), (QStringList{"01 11 21 31 41 PB 01", "03 09 17 22 40 PB 05"}));
    // The boxes keep what was typed; Return adds it again (no check against the file).
    QTest::keyClick(numberBox(5), Qt::Key_Return);
    EXPECT_EQ(linesStored(), 12);
    clickOn(form, "Command5");
    EXPECT_EQ(boxTexts(), QStringList(6, QString()));

    const QByteArray before = fileBytes(entryFile());
    const QString noNumber = QStringLiteral(
        "You have not specified a number to add. Please enter a number in: Enter No box");
    suggest("", true);
    suggest("12", true); // "Total" 12 with 12 lines
    suggest("0", false);
    EXPECT_TRUE(random.seeds.empty());
    writeFileBytes(file("pbk.rtl"), QByteArray(26, '\xff')); // count -1
    suggest("5", false);
    QFile::remove(file("pbk.rtl"));
    writeHistory(file("pbk.rtl"), tracingHistory(19));
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

    DrawHistoryFile::insertDraw(file("pbk.rtl"), {1, 2, 3, 4, 5}, 6, 1, 1, 2004);
    random.sequence = uniformSequence(5000);
    suggest("5", false);
    EXPECT_EQ(dialogs.texts().size(), 6);
    EXPECT_EQ(linesStored(), 17);

    form->close(); // every game's top numbers are typed in, by the ranges of the entries date
    for (const auto& [game, date, top, above] : kTopLines) {
        clickGame(game);
        child<DatePicker>("DTPicker2")->setValue(date);
        ASSERT_NE(openForm5(), nullptr);
        for (const char* line : {top, above}) // the top is stored, the line above refused
            type(QString::fromLatin1(line).split(' '));
        EXPECT_EQ(EntryFile::countLines(state.currentEntryFile), 1) << top;
        form->close();
    }
}

// An idle Cancel must not stop the next run; Cancel keeps lines shown; closing stops a run first.
TEST_F(AddEntries, RunsAddLineByLineUntilDoneCancelledOrClosed) {
    clock.seconds = 4321.5;
    openWith(tracingHistory(20), uniformSequence(20000));
    clickOn(form, "Command1");
    QString duringRun; // Close, Add, Clear and Add are off during a run; Cancel stays on
    QObject::connect(list()->model(), &QAbstractItemModel::rowsInserted, form, [&] {
        duringRun += runButtonsEnabled() ? "on " : "off ";
        duringRun += control<QPushButton>(form, "Command1")->isEnabled() ? "on, " : "off, ";
        if (list()->count() == 13)
            clickOn(form, "Command1");
        if (list()->count() == 15)
            QTest::keyClick(form, Qt::Key_Escape);
    });
    suggest("10", true);
    QStringList stored;
    for (const auto& line : EntryFile::readLines(entryFile()))
        stored << entryDisplayLine(Powerball, line);
    EXPECT_EQ(rows("List1"), stored);
    EXPECT_EQ(std::tuple(stored.size(), count(), random.seeds, duringRun, runButtonsEnabled()),
              std::tuple(10, QStringLiteral(" 10"), std::vector<double>{4321.5},
                         QStringLiteral("off on, ").repeated(10), true));

    suggest("2000", false);
    EXPECT_EQ(std::tuple(list()->count(), linesStored(), count(), state.cancelRequested,
                         runButtonsEnabled()),
              std::tuple(13, 13, QStringLiteral(" 13"), false, true));

    suggest("50", false);
    EXPECT_EQ(std::tuple(linesStored(), visibleScreen("Form5") == nullptr, window->isEnabled()),
              std::tuple(15, true, true));
    EXPECT_TRUE(dialogs.shown.empty());
}

// 50 held and "Enter No" 2: a large entry (4 shared allowed, never 5); this history gives one line.
TEST_F(AddEntries, ALargeEntryNeverRepeatsFiveAndANarrowHistoryEndsTheRunWithAMessage) {
    writeEntryFile(entryFile(), std::vector<EntryLine>(50, {{1, 2, 3, 4, 6}, 1}));
    openWith(std::vector<DrawRecord>(20, {.balls = {1, 2, 3, 4, 5}, .bonus = 1}));
    suggest("2", false);
    EXPECT_EQ(dialogs.texts(),
              QStringList{"The draw history does not give another line that differs enough from "
                          "the lines already in this entry, so the computer stopped: 1 line was "
                          "added."});
    EXPECT_EQ(
        std::tuple(EntryFile::readLines(entryFile()).back(), list()->count(), runButtonsEnabled()),
        std::tuple(EntryLine{{1, 2, 3, 4, 5}, 1}, 51, true));
}

// Mega Millions, the first game of a new folder.
class EditAndDelete : public LineScreens {
  protected:
    QString entryFile() const { return file(QStringLiteral("Mega05JUL2003.lot")); }
    void startWithFiveLines() {
        for (int i = 1; i <= 5; ++i)
            EntryFile::appendLine(entryFile(), lineNo(i));
        startWindow();
    }
    void select(std::initializer_list<int> rows) {
        list()->clearSelection();
        for (int row : rows)
            list()->item(row)->setSelected(true);
    }
    void remove() { child<QPushButton>("Command5")->click(); }
    QWidget* edit(std::initializer_list<int> rows = {}) {
        select(rows);
        child<QPushButton>("Command6")->click();
        return form = visibleScreen("editEntry");
    }
};

TEST_F(EditAndDelete, ABadChangeKeepsTheScreenOpenAndAGoodOneWritesInPlace) {
    startWithFiveLines();
    const QByteArray before = fileBytes(entryFile());
    ASSERT_NE(edit({0}), nullptr);
    type({"1", "2", "3", "4", "5", ""});
    type({"1", "2", "3", "4", "53", "52"}); // no 53 in this game
    type({"1", "2", "2", "4", "5", "5"});
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"One or more of your entries is not a number!",
                           "One or more of your numbers are out of range for the game!",
                           "One or more of your numbers are the same!"}));
    EXPECT_EQ(std::tuple(visibleScreen("editEntry"), numberBox(2)->text()), std::tuple(form, "2"));
    clickOn(form, "Command5");
    EXPECT_EQ(std::tuple(visibleScreen("editEntry") == nullptr, window->isEnabled(),
                         fileBytes(entryFile()), list()->item(0)->text()),
              std::tuple(true, true, before, QStringLiteral("01 11 21 31 41 MB 01")));

    dialogs.clear();
    ASSERT_NE(edit({1}), nullptr);
    EXPECT_EQ(std::tuple(form->windowTitle(), window->isEnabled(),
                         control<QLabel>(form, "Label1")->text()),
              std::tuple(QStringLiteral("Edit Entry"), false, QStringLiteral("MB")));
    EXPECT_EQ(boxTexts(), (QStringList{"02", "12", "22", "32", "42", "02"}));
    type({"22", "7", "41", "3", "15", "52"}); // a Mega Ball of 52
    EXPECT_EQ(
        std::tuple(dialogs.texts(), visibleScreen("editEntry") == nullptr, window->isEnabled()),
        std::tuple(QStringList(), true, true));
    // Only the six numbers of record 2 change; its stale count (1) stays.
    EXPECT_EQ(
        fileBytes(entryFile()),
        QByteArray(before).replace(kRecordSize + 12, 12,
                                   le16(3) + le16(7) + le16(15) + le16(22) + le16(41) + le16(52)));
    EXPECT_EQ(std::tuple(list()->count(), count()), std::tuple(5, QStringLiteral("5")));
    EXPECT_EQ(list()->item(1)->text(), QStringLiteral("03 07 15 22 41 MB 52"));
    EXPECT_EQ(list()->selectedItems(), QList<QListWidgetItem*>{list()->item(1)});

    // Another screen takes the last two lines away behind the list's back.
    ASSERT_TRUE(EntryFile::deleteLine(entryFile(), 5));
    ASSERT_TRUE(EntryFile::deleteLine(entryFile(), 4));
    EXPECT_EQ(edit({4}), nullptr);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("no longer holds")));
    dialogs.answerYes();
    remove();
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("Mega05JUL2003.lot")));
    EXPECT_EQ(EntryFile::readLines(entryFile()),
              (std::vector<EntryLine>{lineNo(1), {{3, 7, 15, 22, 41}, 52}, lineNo(3)}));
}

TEST_F(EditAndDelete, RefusalsTheDeleteQuestionAndDeletingThenAWheelAsksFirst) {
    startWithFiveLines();
    const QByteArray before = fileBytes(entryFile());
    child<QListWidget>("List2")->addItem(QStringLiteral("winning line"));
    edit();
    EXPECT_EQ(edit({1, 3}), nullptr);
    EXPECT_TRUE(window->isEnabled());
    select({});
    remove();
    dialogs.answerNo(2);
    select({2});
    remove();
    select({0, 2, 4});
    remove();
    EXPECT_EQ(std::tuple(fileBytes(entryFile()), list()->count()), std::tuple(before, 5));

    select({1, 3});
    dialogs.answerYes();
    window->show(); // the Delete key in the list does what the button does
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(EntryFile::readLines(entryFile()),
              (std::vector<EntryLine>{lineNo(1), lineNo(3), lineNo(5)}));
    EXPECT_EQ(rows("List1"), (QStringList{"01 11 21 31 41 MB 01", "03 13 23 33 43 MB 03",
                                          "05 15 25 35 45 MB 05"}));
    EXPECT_EQ(std::tuple(count(), rows("List2")), std::tuple(QStringLiteral("3"), QStringList()));
    EXPECT_EQ(fileBytes(entryFile()).mid(3 * kRecordSize, kRecordSize),
              QByteArray(kRecordSize, '\0'));

    list()->selectAll();
    dialogs.answerYes();
    remove();
    EXPECT_EQ(std::tuple(EntryFile::countLines(entryFile()), count()),
              std::tuple(0, QStringLiteral("0")));
    edit();
    remove();
    // Only deleting every line says "Done".
    EXPECT_EQ(
        dialogs.texts(),
        (QStringList{"You have not selected an entry to edit.",
                     "You have more than one entry selected. You must only select one entry "
                     "at a time for editing.",
                     "You have not selected any entries for deletion.",
                     "Are you sure you want to delete the selected entry?",
                     "Are you sure you want to delete the 3 selected entries?",
                     "Are you sure you want to delete the 2 selected entries?",
                     "Are you sure you want to delete the 3 selected entries?", "Done",
                     "There are no entries displayed to edit.", "There are no entries to delete"}));

    const QString wheel = file(QStringLiteral("Mega-5-4-3.lot"));
    EntryFile::appendLine(wheel, lineNo(1));
    state.currentEntryFile = wheel;
    window->listEntryFile(wheel);
    dialogs.clear();
    dialogs.answerNo(2);
    EXPECT_EQ(edit({0}), nullptr);
    remove();
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"Editing a wheel entry can change the guarantee of the wheel. Are you "
                           "sure you want to continue?",
                           "Modifying a wheel entry can change the guarantee of the wheel. Are "
                           "you sure you want to continue?"}));
    EXPECT_EQ(EntryFile::countLines(wheel), 1);
    dialogs.answerYes(2);
    remove();
    EXPECT_EQ(EntryFile::countLines(wheel), 0);
    EXPECT_EQ(dialogs.last(), QStringLiteral("Done"));
}
