#include "data/draw_history_file.h"
#include "support/main_window_fixture.h"
#include "support/screen_finder.h"
#include "ui/date_picker.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A draw record written field by field, little-endian, as the file holds it.
QByteArray record(std::int32_t count, std::int16_t position, QDate date,
                  std::array<std::int16_t, 5> balls, std::int16_t bonus) {
    QByteArray bytes;
    auto put = [&bytes](qint64 value, int width) {
        for (int i = 0; i < width; ++i)
            bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
    };
    put(count, 4);
    put(position, 2);
    put(date.day(), 2);
    put(date.month(), 2);
    put(date.year(), 2);
    for (std::int16_t ball : balls)
        put(ball, 2);
    put(bonus, 2);
    put(0, 2);
    return bytes;
}

const QDate kPowerballSaturday(2003, 7, 5);
const QDate kMegaFriday(2003, 7, 4);
} // namespace

class AddResult : public MainWindowTest {
  protected:
    void TearDown() override {
        closeScreens("Form2");
        closeScreens("Form3");
    }

    void startOn(GameCode game, QDate resultDate) {
        startWindow();
        if (game == Powerball)
            child<QRadioButton>("Option3")->click();
        window->controls().DTPicker1->setValue(resultDate);
    }
    QString historyFile(GameCode game) const { return historyFilePath(folder(), game); }

    QWidget* openForm2() {
        window->controls().Command1->click();
        return visibleScreen("Form2");
    }
    QLineEdit* box(QWidget* form2, int index) const {
        return form2->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(index));
    }
    void type(QWidget* form2, const std::array<QString, 6>& texts) const {
        for (int i = 0; i < 6; ++i)
            box(form2, i + 1)->setText(texts[static_cast<size_t>(i)]);
    }
    void typeAndAdd(QDate date, const std::array<QString, 6>& texts) {
        window->controls().DTPicker1->setValue(date);
        QWidget* form2 = openForm2();
        ASSERT_NE(form2, nullptr);
        type(form2, texts);
        form2->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        ASSERT_EQ(visibleScreen("Form2"), nullptr) << dialogs.last().toStdString();
    }
    std::vector<int> shownBalls() const {
        std::vector<int> numbers;
        for (QLabel* image : window->controls().Image2)
            if (!image->isHidden())
                numbers.push_back(image->property("pictureNumber").toInt());
        return numbers;
    }
};

TEST_F(AddResult, OpensWithTheResultDateInItsCaptionAndTheGameTag) {
    startOn(Powerball, kPowerballSaturday);
    QWidget* form2 = openForm2();
    ASSERT_NE(form2, nullptr);
    EXPECT_EQ(form2->windowTitle(), QStringLiteral("Draw Result for  7/ 5/ 2003"));
    EXPECT_EQ(form2->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("PB"));
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
    form2->close();
    EXPECT_TRUE(window->isEnabled());

    child<QRadioButton>("Option2")->click();
    window->controls().DTPicker1->setValue(QDate(2003, 12, 12));
    form2 = openForm2();
    ASSERT_NE(form2, nullptr);
    EXPECT_EQ(form2->windowTitle(), QStringLiteral("Draw Result for  12/ 12/ 2003"));
    EXPECT_EQ(form2->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("MB"));
}

TEST_F(AddResult, RefusesToOpenWhileTheDrawOfTheDateIsShown) {
    DrawHistoryFile::insertDraw(historyFile(Powerball), {1, 2, 3, 4, 5}, 6, 5, 7, 2003);
    startOn(Powerball, kPowerballSaturday);
    ASSERT_TRUE(window->isDrawShown());
    EXPECT_EQ(openForm2(), nullptr);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral(
                                   "There is already a draw result for this date and game. Delete "
                                   "the draw first if you want to change it.")});
    EXPECT_TRUE(window->isEnabled());
}

struct NonDrawDayCase {
    GameCode game;
    QDate date;
    const char* question;
};

void PrintTo(const NonDrawDayCase& c, std::ostream* os) {
    *os << c.date.toString(Qt::ISODate).toStdString();
}

class AddResultOnNonDrawDay : public AddResult,
                              public ::testing::WithParamInterface<NonDrawDayCase> {};

TEST_P(AddResultOnNonDrawDay, NoLeavesEverythingAsItWas) {
    startOn(GetParam().game, GetParam().date);
    const QByteArray before = fileBytes(historyFile(GetParam().game));
    dialogs.answerNo();
    EXPECT_EQ(openForm2(), nullptr);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].question);
    EXPECT_EQ(dialogs.shown[0].text, QString::fromLatin1(GetParam().question));
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(window->isDrawShown());
    EXPECT_EQ(window->controls().DTPicker1->value(), GetParam().date);
    EXPECT_EQ(fileBytes(historyFile(GetParam().game)), before);
}

TEST_P(AddResultOnNonDrawDay, YesOpensTheScreen) {
    startOn(GetParam().game, GetParam().date);
    dialogs.answerYes();
    EXPECT_NE(openForm2(), nullptr);
    EXPECT_EQ(dialogs.unscriptedQuestions, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Games, AddResultOnNonDrawDay,
    ::testing::Values(NonDrawDayCase{Powerball, QDate(2003, 7, 8),
                                     "You are entering results for a day that is not Wednesday "
                                     "or Saturday. Are you sure you want to continue?"},
                      NonDrawDayCase{MegaMillions, QDate(2003, 7, 9),
                                     "You are entering results for a day that is not Tuesday or "
                                     "Friday. Are you sure you want to continue?"}));

TEST_F(AddResult, OnADrawDayOpensWithoutAQuestion) {
    startOn(MegaMillions, kMegaFriday);
    EXPECT_NE(openForm2(), nullptr);
    EXPECT_TRUE(dialogs.shown.empty());
}

// What the six boxes hold, and either the message or the draw stored.
struct TypedCase {
    const char* name;
    GameCode game;
    std::array<const char*, 6> texts;
    const char* message; // nullptr: accepted
    std::array<int, 6> stored;
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
    DrawHistoryFile::insertDraw(historyFile(c.game), {1, 2, 3, 4, 5}, 6, earlier.day(),
                                earlier.month(), earlier.year());
    startOn(c.game, earlier);
    ASSERT_EQ(state.displayedDrawRecord, 1);
    window->controls().DTPicker1->setValue(date);
    const QByteArray before = fileBytes(historyFile(c.game));

    QWidget* form2 = openForm2();
    ASSERT_NE(form2, nullptr);
    std::array<QString, 6> texts;
    for (size_t i = 0; i < 6; ++i)
        texts[i] = QString::fromLatin1(c.texts[i]);
    type(form2, texts);
    form2->findChild<QPushButton*>(QStringLiteral("Command1"))->click();

    if (c.message) {
        EXPECT_EQ(dialogs.texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(visibleScreen("Form2"), form2);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(box(form2, i + 1)->text(), texts[static_cast<size_t>(i)]);
        EXPECT_EQ(fileBytes(historyFile(c.game)), before);
        EXPECT_FALSE(window->isDrawShown());
        return;
    }
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().toStdString();
    EXPECT_EQ(visibleScreen("Form2"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    const std::vector<int> expected(c.stored.begin(), c.stored.end());
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
const char* const kPowerballRange = "Your powerball number is not in the correct range";
const char* const kMegaBallRange = "Your mega ball number is not in the correct range";
const char* const kDuplicates = "You have duplicate numbers";
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Cases, AddResultTyped,
    ::testing::Values(
        TypedCase{"UnsortedMainNumbers",
                  Powerball,
                  {"41", "5", "33", "12", "25", "7"},
                  nullptr,
                  {5, 12, 25, 33, 41, 7}},
        TypedCase{"Powerball42",
                  Powerball,
                  {"1", "2", "3", "4", "5", "42"},
                  nullptr,
                  {1, 2, 3, 4, 5, 42}},
        TypedCase{"Powerball43", Powerball, {"1", "2", "3", "4", "5", "43"}, kPowerballRange, {}},
        TypedCase{"PowerballZero", Powerball, {"1", "2", "3", "4", "5", "0"}, kPowerballRange, {}},
        TypedCase{"MegaBall52",
                  MegaMillions,
                  {"1", "2", "3", "4", "5", "52"},
                  nullptr,
                  {1, 2, 3, 4, 5, 52}},
        TypedCase{"MegaBall53", MegaMillions, {"1", "2", "3", "4", "5", "53"}, kMegaBallRange, {}},
        TypedCase{"Main53Powerball",
                  Powerball,
                  {"53", "2", "3", "4", "5", "6"},
                  nullptr,
                  {2, 3, 4, 5, 53, 6}},
        TypedCase{
            "Main53MegaMillions", MegaMillions, {"53", "2", "3", "4", "5", "6"}, kMainRange, {}},
        TypedCase{"EmptyMainBox", Powerball, {"1", "2", "", "4", "5", "6"}, kMainRange, {}},
        TypedCase{"EmptyBonusBox", MegaMillions, {"1", "2", "3", "4", "5", ""}, kMegaBallRange, {}},
        TypedCase{"TrailingLetters",
                  Powerball,
                  {"12abc", "2", "3", "4", "5", "6"},
                  nullptr,
                  {2, 3, 4, 5, 12, 6}},
        TypedCase{"HalvesToEven",
                  Powerball,
                  {"2.5", "3.5", "10", "11", "12", "6.5"},
                  nullptr,
                  {2, 4, 10, 11, 12, 6}},
        TypedCase{
            "HalfRoundsToZero", Powerball, {"0.5", "3", "10", "11", "12", "6"}, kMainRange, {}},
        TypedCase{"Negative", Powerball, {"-5", "3", "10", "11", "12", "6"}, kMainRange, {}},
        TypedCase{"Duplicates", Powerball, {"5", "5", "12", "25", "33", "7"}, kDuplicates, {}},
        TypedCase{"BonusEqualToAMainNumber",
                  Powerball,
                  {"5", "12", "25", "33", "41", "5"},
                  nullptr,
                  {5, 12, 25, 33, 41, 5}},
        TypedCase{
            "RangeBeatsDuplicate", Powerball, {"5", "5", "12", "25", "54", "7"}, kMainRange, {}},
        TypedCase{
            "SixteenBitOverflow", Powerball, {"65541", "2", "3", "4", "6", "7"}, kMainRange, {}},
        TypedCase{"Exponent", MegaMillions, {"1e9", "2", "3", "4", "6", "7"}, kMainRange, {}}),
    [](const ::testing::TestParamInfo<TypedCase>& info) { return std::string(info.param.name); });

class AddResultLeftWithoutAdd : public AddResult,
                                public ::testing::WithParamInterface<const char*> {};

TEST_P(AddResultLeftWithoutAdd, StoresNothing) {
    startOn(Powerball, kPowerballSaturday);
    const QByteArray before = fileBytes(historyFile(Powerball));
    QWidget* form2 = openForm2();
    ASSERT_NE(form2, nullptr);
    type(form2, {"5", "12", "25", "33", "41", "7"});
    const QString way = QString::fromLatin1(GetParam());
    if (way == QLatin1String("Cancel"))
        form2->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    else if (way == QLatin1String("Escape"))
        QTest::keyClick(form2, Qt::Key_Escape);
    else
        form2->close();
    EXPECT_EQ(visibleScreen("Form2"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(window->isDrawShown());
    EXPECT_EQ(fileBytes(historyFile(Powerball)), before);
    EXPECT_TRUE(dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, AddResultLeftWithoutAdd,
                         ::testing::Values("Cancel", "Escape", "TitleBar"));

TEST_F(AddResult, EnterInTheBonusBoxAdds) {
    startOn(Powerball, kPowerballSaturday);
    QWidget* form2 = openForm2();
    ASSERT_NE(form2, nullptr);
    type(form2, {"5", "12", "25", "33", "41", "7"});
    QTest::keyClick(box(form2, 6), Qt::Key_Return);
    EXPECT_EQ(visibleScreen("Form2"), nullptr);
    EXPECT_EQ(DrawHistoryFile::countDraws(historyFile(Powerball)), 1);
}

TEST_F(AddResult, TypedResultsLeaveTheHistoryBytesOfTheInsert) {
    startOn(Powerball, kPowerballSaturday);
    typeAndAdd(QDate(2003, 7, 5), {"41", "5", "33", "12", "25", "7"});
    typeAndAdd(QDate(2003, 7, 2), {"1", "2", "3", "4", "5", "6"});
    typeAndAdd(QDate(2003, 7, 9), {"53", "40", "30", "20", "10", "42"});
    // Record 1 carries the count; the moved record keeps the count it had
    // when it was copied, the appended one the count written just before it.
    const QByteArray expected = record(3, 1, QDate(2003, 7, 2), {1, 2, 3, 4, 5}, 6) +
                                record(1, 2, QDate(2003, 7, 5), {5, 12, 25, 33, 41}, 7) +
                                record(3, 3, QDate(2003, 7, 9), {10, 20, 30, 40, 53}, 42);
    EXPECT_EQ(fileBytes(historyFile(Powerball)).toHex(), expected.toHex());
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().toStdString();
}

TEST_F(AddResult, ADrawBeforeAllOthersBecomesDrawOneOfTheResultsList) {
    DrawHistoryFile::insertDraw(historyFile(Powerball), {1, 2, 3, 4, 5}, 6, 2, 7, 2003);
    DrawHistoryFile::insertDraw(historyFile(Powerball), {7, 8, 9, 10, 11}, 12, 5, 7, 2003);
    startOn(Powerball, QDate(2003, 6, 28));
    typeAndAdd(QDate(2003, 6, 28), {"9", "8", "7", "6", "1", "3"});

    window->controls().Image1->click();
    auto* list = visibleScreen("Form3")
                     ? visibleScreen("Form3")->findChild<QListView*>(QStringLiteral("List1"))
                     : nullptr;
    ASSERT_NE(list, nullptr);
    QStringList lines;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        lines << list->model()->index(row, 0).data().toString();
    EXPECT_EQ(lines, (QStringList{QStringLiteral("00001 06 28 2003: 01 06 07 08 09 PB 03"),
                                  QStringLiteral("00002 07 02 2003: 01 02 03 04 05 PB 06"),
                                  QStringLiteral("00003 07 05 2003: 07 08 09 10 11 PB 12")}));
}

TEST_F(AddResult, ADamagedHistoryFileIsReportedAndLeftUntouched) {
    QFile damaged(historyFile(Powerball));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(record(40000, 1, QDate(2003, 7, 2), {1, 2, 3, 4, 5}, 6));
    damaged.close();
    const QByteArray before = fileBytes(historyFile(Powerball));
    startOn(Powerball, kPowerballSaturday);
    dialogs.clear();

    QWidget* form2 = openForm2();
    ASSERT_NE(form2, nullptr);
    type(form2, {"5", "12", "25", "33", "41", "7"});
    form2->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("pbk.rtl"))) << dialogs.last().toStdString();
    EXPECT_EQ(visibleScreen("Form2"), form2);
    EXPECT_FALSE(window->isDrawShown());
    EXPECT_EQ(fileBytes(historyFile(Powerball)), before);
}
