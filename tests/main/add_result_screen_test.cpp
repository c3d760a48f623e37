#include "main/draw_result_validation.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"

using namespace numbrava;
using namespace numbrava::testing;

namespace {
// Six box texts separated by blanks; "_" stands for an empty box.
QStringList boxTexts(const char* texts) {
    return QString::fromLatin1(texts).replace(QLatin1Char('_'), QString()).split(QLatin1Char(' '));
}
} // namespace

// Texts past 16 bits are out of range, never wrapped into it (65541 would wrap to 5).
TEST(TypedDraw, IsSortedOrRefusedWithOneMessage) {
    const char* const mainRange = "One or more of your main numbers is not in the correct range";
    const char* const pbRange = "Your powerball number is not in the correct range";
    const char* const mbRange = "Your mega ball number is not in the correct range";
    const char* const duplicates = "You have duplicate numbers";
    const GameCode PB = Powerball, MM = MegaMillions, P69 = Powerball69, M70 = MegaMillions70;
    // clang-format off
    const struct {
        GameCode game;
        const char* texts;
        const char* result; // the stored numbers, or the message
        QDate drawDate = {};
    } cases[] = {
        {PB, "41 5 33 12 25 7", "5 12 25 33 41 7"}, {PB, "53 2 3 4 5 6", "2 3 4 5 53 6"},
        {PB, "1 2 3 4 5 42", "1 2 3 4 5 42"},       {PB, "1 2 3 4 5 43", pbRange},
        {PB, "1 2 3 4 5 0", pbRange},               {PB, "1 2 _ 4 5 6", mainRange},
        {MM, "1 2 3 4 5 52", "1 2 3 4 5 52"},       {MM, "1 2 3 4 5 53", mbRange},
        {MM, "53 2 3 4 5 6", mainRange},            {MM, "1 2 3 4 5 _", mbRange},
        {PB, "5 5 12 25 33 7", duplicates},         {PB, "5 12 25 33 41 5", "5 12 25 33 41 5"},
        {PB, "5 5 12 25 54 7", mainRange},          {PB, "5 5 12 25 33 43", pbRange},
        {PB, "65541 2 3 4 6 7", mainRange},         {MM, "1 2 3 4 5 -65531", mbRange},
        {PB, "2.5 3.5 10 11 12 6.5", "2 4 10 11 12 6"},
        {P69, "69 2 3 4 5 26", "2 3 4 5 69 26"},    {P69, "70 2 3 4 5 26", mainRange},
        {P69, "1 2 3 4 5 27", pbRange},             {M70, "71 2 3 4 5 24", mainRange},
        {M70, "70 2 3 4 5 25", "2 3 4 5 70 25", QDate(2025, 4, 4)},
        {M70, "70 2 3 4 5 25", mbRange, QDate(2025, 4, 8)}};
    // clang-format on
    for (const auto& c : cases) {
        const QStringList t = boxTexts(c.texts);
        const TypedDrawCheck check =
            checkTypedDraw(c.game, c.drawDate, {t[0], t[1], t[2], t[3], t[4]}, t[5]);
        QStringList numbers;
        for (const int n : check.balls)
            numbers << QString::number(n);
        numbers << QString::number(check.bonus);
        EXPECT_EQ(check.accepted() ? numbers.join(QLatin1Char(' ')) : check.message,
                  QLatin1String(c.result))
            << c.texts;
    }
}

class AddResult : public MainWindowTest {
  protected:
    void TearDown() override { closeScreens("Form2"); }

    void setResultDate(QDate date) { window->controls().DTPicker1->setValue(date); }
    QWidget* openForm2() {
        window->controls().Command1->click();
        return visibleScreen("Form2");
    }
    static QLineEdit* box(QWidget* form2, int index) {
        return control<QLineEdit>(form2, QStringLiteral("Text%1").arg(index).toLatin1());
    }
    static void type(QWidget* form2, const char* texts) {
        const QStringList boxes = boxTexts(texts);
        for (int i = 0; i < 6; ++i)
            box(form2, i + 1)->setText(boxes[i]);
    }
    void typeAndAdd(QDate date, const char* texts, bool byReturn = false) {
        setResultDate(date);
        QWidget* form2 = nullptr;
        ASSERT_NE(form2 = openForm2(), nullptr);
        type(form2, texts);
        if (byReturn)
            QTest::keyClick(box(form2, 6), Qt::Key_Return);
        else
            clickOn(form2, "Command1");
        ASSERT_EQ(visibleScreen("Form2"), nullptr) << dialogs.last().toStdString();
    }
};

// A non-draw day asks first: No changes nothing, Yes opens; leaving without Add stores nothing.
TEST_F(AddResult, CaptionTagAndTheQuestionOnADayWithoutADraw) {
    const struct {
        GameCode game;
        QDate date;
        const char* title;
        CloseWay way;
        const char* drawDays; // asked about when the date is none of them
    } cases[] = {
        {Powerball, QDate(2003, 7, 5), " 7/ 5/ 2003", CloseWay::Button, nullptr},
        {MegaMillions, QDate(2003, 12, 12), " 12/ 12/ 2003", CloseWay::Escape, nullptr},
        {Powerball, QDate(2003, 7, 8), " 7/ 8/ 2003", CloseWay::TitleBar, "Wednesday or Saturday"},
        {MegaMillions, QDate(2003, 7, 9), " 7/ 9/ 2003", CloseWay::Button, "Tuesday or Friday"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        startOn(c.game);
        setResultDate(c.date);
        dialogs.clear();
        const QString question = QStringLiteral("You are entering results for a day that is not "
                                                "%1. Are you sure you want to continue?")
                                     .arg(QLatin1String(c.drawDays));
        if (c.drawDays) {
            dialogs.answerNo();
            EXPECT_EQ(openForm2(), nullptr);
            EXPECT_TRUE(window->isEnabled());
            dialogs.answerYes();
        }
        QWidget* form2 = nullptr;
        ASSERT_NE(form2 = openForm2(), nullptr);
        EXPECT_EQ(dialogs.texts(), c.drawDays ? QStringList(2, question) : QStringList());
        EXPECT_EQ(form2->windowTitle(), "Draw Result for " + QLatin1String(c.title));
        EXPECT_EQ(control<QLabel>(form2, "Label1")->text(), c.game == Powerball ? "PB" : "MB");
        EXPECT_FALSE(window->isEnabled());
        type(form2, "5 12 25 33 41 7");
        closeBy(form2, c.way, "Command2");
        EXPECT_EQ(visibleScreen("Form2"), nullptr);
        EXPECT_TRUE(window->isEnabled());
        EXPECT_FALSE(window->isDrawShown());
        EXPECT_EQ(fileBytes(historyFilePath(folder(), c.game)), QByteArray());
    }
}

TEST_F(AddResult, TypedResultsAreShownLeaveTheInsertsBytesAndCannotBeTypedOver) {
    startOn(Powerball);
    typeAndAdd(QDate(2003, 7, 5), "41 5 33 12 25 7");
    typeAndAdd(QDate(2003, 7, 2), "1 2 3 4 5 6");
    setResultDate(QDate(2003, 7, 5));
    ASSERT_EQ(state.displayedDrawRecord, 2);
    typeAndAdd(QDate(2003, 7, 9), "53 40 30 20 10 42", true);
    EXPECT_EQ(shownBalls(), (std::vector<int>{10, 20, 30, 40, 53, 42}));
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().toStdString();
    // The new draw's record is looked up again when needed.
    EXPECT_EQ(state.displayedDrawRecord, 0);
    // The shown draw is changed only by deleting it first.
    EXPECT_EQ(openForm2(), nullptr);
    EXPECT_EQ(dialogs.texts(), QStringList{"There is already a draw result for this date and game. "
                                           "Delete the draw first if you want to change it."});
    EXPECT_TRUE(window->isEnabled());
    // Record 1 has the count; a moved record keeps its count as copied, the appended one the last.
    const QByteArray expected = drawBytes(3, 1, QDate(2003, 7, 2), {1, 2, 3, 4, 5}, 6) +
                                drawBytes(1, 2, QDate(2003, 7, 5), {5, 12, 25, 33, 41}, 7) +
                                drawBytes(3, 3, QDate(2003, 7, 9), {10, 20, 30, 40, 53}, 42);
    EXPECT_EQ(fileBytes(file("pbk.rtl")).toHex(), expected.toHex());
}

// Today's games: a result takes the ranges of its date, and none comes before the first draw.
TEST_F(AddResult, TodaysGamesTakeTheRangesOfTheDrawDateAndNoDateBeforeTheFirstDraw) {
    startOn(MegaMillions70);
    typeAndAdd(QDate(2025, 4, 4), "70 2 3 4 5 25");
    clickGame(Powerball69);
    setResultDate(QDate(2015, 10, 6));
    EXPECT_EQ(openForm2(), nullptr);
    EXPECT_EQ(dialogs.texts(), QStringList{"Powerball 5/69 was first drawn on 07 October 2015: "
                                           "there is no draw of 06 October 2015."});
}

// A refused or failed add keeps the screen open with what was typed.
TEST_F(AddResult, RefusedNumbersAndADamagedHistoryFileLeaveTheFileUntouched) {
    const QByteArray damaged = drawBytes(40000, 1, QDate(2003, 7, 2), {1, 2, 3, 4, 5}, 6);
    writeFileBytes(file("pbk.rtl"), damaged);
    startOn(Powerball);
    dialogs.clear();

    QWidget* form2 = nullptr;
    ASSERT_NE(form2 = openForm2(), nullptr);
    type(form2, "5 5 12 25 33 7");
    clickOn(form2, "Command1");
    EXPECT_EQ(dialogs.texts(), QStringList{"You have duplicate numbers"});
    EXPECT_EQ(box(form2, 2)->text(), QStringLiteral("5"));
    type(form2, "5 12 25 33 41 7");
    clickOn(form2, "Command1");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("pbk.rtl"))) << dialogs.last().toStdString();
    EXPECT_EQ(visibleScreen("Form2"), form2);
    EXPECT_FALSE(window->isDrawShown());
    EXPECT_EQ(fileBytes(file("pbk.rtl")), damaged);
}
