#include "support/main_window_fixture.h"
#include "support/record_bytes.h"
#include "ui/date_picker.h"

#include <QLineEdit>
#include <QToolButton>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QDate kPowerballSaturday(2003, 7, 5);
const QDate kMegaFriday(2003, 7, 4);

// Six box texts separated by blanks; "_" stands for an empty box.
QStringList boxTexts(const char* texts) {
    QStringList boxes = QString::fromLatin1(texts).split(QLatin1Char(' '));
    for (QString& box : boxes)
        if (box == QLatin1String("_"))
            box.clear();
    return boxes;
}
} // namespace

class AddResult : public MainWindowTest {
  protected:
    void TearDown() override {
        closeScreens("Form2");
        closeScreens("Form3");
    }

    void startOnDate(GameCode game, QDate resultDate) {
        startOn(game);
        window->controls().DTPicker1->setValue(resultDate);
    }
    QString historyFile(GameCode game) const { return historyFilePath(folder(), game); }

    QWidget* openForm2() {
        window->controls().Command1->click();
        return visibleScreen("Form2");
    }
    static QLineEdit* box(QWidget* form2, int index) {
        return form2->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(index));
    }
    static void type(QWidget* form2, const char* texts) {
        const QStringList boxes = boxTexts(texts);
        for (int i = 0; i < 6; ++i)
            box(form2, i + 1)->setText(boxes[i]);
    }
    // Adds with the button, or with Return in the bonus box.
    void typeAndAdd(QDate date, const char* texts, bool byReturn = false) {
        window->controls().DTPicker1->setValue(date);
        QWidget* form2 = openForm2();
        ASSERT_NE(form2, nullptr);
        type(form2, texts);
        if (byReturn)
            QTest::keyClick(box(form2, 6), Qt::Key_Return);
        else
            clickOn(form2, "Command1");
        ASSERT_EQ(visibleScreen("Form2"), nullptr) << dialogs.last().toStdString();
    }
};

// A day that is no draw day of the game asks first: No leaves everything as
// it was, Yes opens the screen.
TEST_F(AddResult, CaptionTagAndTheQuestionOnADayWithoutADraw) {
    const struct {
        GameCode game;
        QDate date;
        const char* title;
        const char* question;
    } cases[] = {
        {Powerball, kPowerballSaturday, "Draw Result for  7/ 5/ 2003", nullptr},
        {MegaMillions, QDate(2003, 12, 12), "Draw Result for  12/ 12/ 2003", nullptr},
        {Powerball, QDate(2003, 7, 8), "Draw Result for  7/ 8/ 2003",
         "You are entering results for a day that is not Wednesday or Saturday. Are you sure you "
         "want to continue?"},
        {MegaMillions, QDate(2003, 7, 9), "Draw Result for  7/ 9/ 2003",
         "You are entering results for a day that is not Tuesday or Friday. Are you sure you want "
         "to continue?"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        startOnDate(c.game, c.date);
        dialogs.clear();
        if (c.question) {
            const QByteArray before = fileBytes(historyFile(c.game));
            dialogs.answerNo();
            EXPECT_EQ(openForm2(), nullptr);
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_TRUE(dialogs.shown[0].question);
            EXPECT_EQ(dialogs.shown[0].text, QString::fromLatin1(c.question));
            EXPECT_TRUE(window->isEnabled());
            EXPECT_FALSE(window->isDrawShown());
            EXPECT_EQ(window->controls().DTPicker1->value(), c.date);
            EXPECT_EQ(fileBytes(historyFile(c.game)), before);
            dialogs.answerYes();
        }
        QWidget* form2 = openForm2();
        ASSERT_NE(form2, nullptr);
        EXPECT_EQ(dialogs.texts(),
                  c.question ? QStringList(2, QString::fromLatin1(c.question)) : QStringList());
        EXPECT_EQ(form2->windowTitle(), QString::fromLatin1(c.title));
        EXPECT_EQ(control<QLabel>(form2, "Label1")->text(), c.game == Powerball ? "PB" : "MB");
        EXPECT_FALSE(window->isEnabled());
        form2->close();
        EXPECT_TRUE(window->isEnabled());
    }
}

TEST_F(AddResult, RefusesToOpenWhileTheDrawOfTheDateIsShown) {
    storeDraw(Powerball, kPowerballSaturday, {1, 2, 3, 4, 5}, 6);
    startOnDate(Powerball, kPowerballSaturday);
    ASSERT_TRUE(window->isDrawShown());
    EXPECT_EQ(openForm2(), nullptr);
    EXPECT_EQ(dialogs.texts(), QStringList{"There is already a draw result for this date and game. "
                                           "Delete the draw first if you want to change it."});
    EXPECT_TRUE(window->isEnabled());
}

// What the six boxes hold, and either the draw stored or the one message.
struct TypedCase {
    const char* name;
    GameCode game;
    const char* texts;
    const char* stored;  // main numbers and bonus as stored; nullptr when refused
    const char* message; // nullptr when accepted
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << c.name;
}

class AddResultTyped : public AddResult, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(AddResultTyped, StoresAndShowsTheDrawOrRefusesWithOneMessage) {
    const TypedCase& c = GetParam();
    const QDate date = c.game == Powerball ? kPowerballSaturday : kMegaFriday;
    // An earlier draw is shown first, so its record number is known.
    const QDate earlier = date.addDays(-7);
    storeDraw(c.game, earlier, {1, 2, 3, 4, 5}, 6);
    startOnDate(c.game, earlier);
    ASSERT_EQ(state.displayedDrawRecord, 1);
    window->controls().DTPicker1->setValue(date);
    const QByteArray before = fileBytes(historyFile(c.game));

    QWidget* form2 = openForm2();
    ASSERT_NE(form2, nullptr);
    type(form2, c.texts);
    clickOn(form2, "Command1");

    if (c.message) {
        EXPECT_EQ(dialogs.texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(visibleScreen("Form2"), form2);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(box(form2, i + 1)->text(), boxTexts(c.texts)[i]);
        EXPECT_EQ(fileBytes(historyFile(c.game)), before);
        EXPECT_FALSE(window->isDrawShown());
        return;
    }
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().toStdString();
    EXPECT_EQ(visibleScreen("Form2"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    std::vector<int> expected;
    for (const QString& n : QString::fromLatin1(c.stored).split(QLatin1Char(' ')))
        expected.push_back(n.toInt());
    EXPECT_EQ(shownBalls(), expected);
    EXPECT_EQ(state.displayedDrawRecord, 0);

    const std::vector<DrawRecord> draws = DrawHistoryFile::readAllDraws(historyFile(c.game));
    ASSERT_EQ(draws.size(), 2u);
    const DrawRecord& added = draws[1];
    EXPECT_EQ(QDate(added.year, added.month, added.day), date);
    std::vector<int> storedNumbers(added.balls.begin(), added.balls.end());
    storedNumbers.push_back(added.bonus);
    EXPECT_EQ(storedNumbers, expected);
}

namespace {
const char* const kMainRange = "One or more of your main numbers is not in the correct range";
const char* const kPbRange = "Your powerball number is not in the correct range";
const char* const kMbRange = "Your mega ball number is not in the correct range";
const char* const kDuplicates = "You have duplicate numbers";
} // namespace

// Texts that do not fit a 16-bit number count as out of range, never wrap
// round into the range (65541 would wrap to 5).
INSTANTIATE_TEST_SUITE_P(
    Cases, AddResultTyped,
    ::testing::Values(
        TypedCase{"UnsortedMainNumbers", Powerball, "41 5 33 12 25 7", "5 12 25 33 41 7"},
        TypedCase{"Powerball42", Powerball, "1 2 3 4 5 42", "1 2 3 4 5 42"},
        TypedCase{"Powerball43", Powerball, "1 2 3 4 5 43", nullptr, kPbRange},
        TypedCase{"PowerballZero", Powerball, "1 2 3 4 5 0", nullptr, kPbRange},
        TypedCase{"MegaBall52", MegaMillions, "1 2 3 4 5 52", "1 2 3 4 5 52"},
        TypedCase{"MegaBall53", MegaMillions, "1 2 3 4 5 53", nullptr, kMbRange},
        TypedCase{"Main53Powerball", Powerball, "53 2 3 4 5 6", "2 3 4 5 53 6"},
        TypedCase{"Main53MegaMillions", MegaMillions, "53 2 3 4 5 6", nullptr, kMainRange},
        TypedCase{"EmptyMainBox", Powerball, "1 2 _ 4 5 6", nullptr, kMainRange},
        TypedCase{"EmptyBonusBox", MegaMillions, "1 2 3 4 5 _", nullptr, kMbRange},
        TypedCase{"HalvesToEven", Powerball, "2.5 3.5 10 11 12 6.5", "2 4 10 11 12 6"},
        TypedCase{"Duplicates", Powerball, "5 5 12 25 33 7", nullptr, kDuplicates},
        TypedCase{"BonusEqualToAMainNumber", Powerball, "5 12 25 33 41 5", "5 12 25 33 41 5"},
        TypedCase{"RangeBeatsDuplicate", Powerball, "5 5 12 25 54 7", nullptr, kMainRange},
        TypedCase{"BonusRangeBeatsDuplicate", Powerball, "5 5 12 25 33 43", nullptr, kPbRange},
        TypedCase{"SixteenBitOverflow", Powerball, "65541 2 3 4 6 7", nullptr, kMainRange},
        TypedCase{"Exponent", MegaMillions, "1e9 2 3 4 6 7", nullptr, kMainRange},
        TypedCase{"HugeBonus", MegaMillions, "1 2 3 4 5 -65531", nullptr, kMbRange}),
    [](const ::testing::TestParamInfo<TypedCase>& info) { return std::string(info.param.name); });

class AddResultLeftWithoutAdd : public AddResult, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(AddResultLeftWithoutAdd, StoresNothing) {
    startOnDate(Powerball, kPowerballSaturday);
    QWidget* form2 = openForm2();
    ASSERT_NE(form2, nullptr);
    type(form2, "5 12 25 33 41 7");
    closeBy(form2, GetParam(), "Command2");
    EXPECT_EQ(visibleScreen("Form2"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(window->isDrawShown());
    EXPECT_EQ(fileBytes(historyFile(Powerball)), QByteArray());
    EXPECT_TRUE(dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, AddResultLeftWithoutAdd,
                         ::testing::Values(CloseWay::Button, CloseWay::Escape, CloseWay::TitleBar));

TEST_F(AddResult, TypedResultsLeaveTheHistoryBytesOfTheInsert) {
    startOnDate(Powerball, kPowerballSaturday);
    typeAndAdd(QDate(2003, 7, 5), "41 5 33 12 25 7");
    typeAndAdd(QDate(2003, 7, 2), "1 2 3 4 5 6");
    typeAndAdd(QDate(2003, 7, 9), "53 40 30 20 10 42", true);
    // Record 1 carries the count; the moved record keeps the count it had
    // when it was copied, the appended one the count written just before it.
    const QByteArray expected = drawBytes(3, 1, QDate(2003, 7, 2), {1, 2, 3, 4, 5}, 6) +
                                drawBytes(1, 2, QDate(2003, 7, 5), {5, 12, 25, 33, 41}, 7) +
                                drawBytes(3, 3, QDate(2003, 7, 9), {10, 20, 30, 40, 53}, 42);
    EXPECT_EQ(fileBytes(historyFile(Powerball)).toHex(), expected.toHex());
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().toStdString();
}

TEST_F(AddResult, ADamagedHistoryFileIsReportedAndLeftUntouched) {
    const QByteArray damaged = drawBytes(40000, 1, QDate(2003, 7, 2), {1, 2, 3, 4, 5}, 6);
    writeFileBytes(historyFile(Powerball), damaged);
    startOnDate(Powerball, kPowerballSaturday);
    dialogs.clear();

    QWidget* form2 = openForm2();
    ASSERT_NE(form2, nullptr);
    type(form2, "5 12 25 33 41 7");
    clickOn(form2, "Command1");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("pbk.rtl"))) << dialogs.last().toStdString();
    EXPECT_EQ(visibleScreen("Form2"), form2);
    EXPECT_FALSE(window->isDrawShown());
    EXPECT_EQ(fileBytes(historyFile(Powerball)), damaged);
}
