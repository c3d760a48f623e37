#include "support/main_window_fixture.h"
#include "support/record_bytes.h"
#include "ui/date_picker.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <algorithm>
#include <map>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

const QDate kToday(2003, 7, 5); // the fixture's today and entries date
const QDate kOtherDate(2003, 7, 8);
const EntryLine kLastDrawLine{{3, 14, 25, 36, 47}, 12};

class LinkProcessTest : public MainWindowTest {
  protected:
    void TearDown() override { discardScreens("LinkProcess"); }

    // Mega Millions with that history, the optimizer open.
    void openWith(const std::vector<std::pair<std::array<std::int16_t, 5>, int>>& draws) {
        QDate date(2003, 6, 3);
        for (const auto& [balls, bonus] : draws)
            storeDraw(MegaMillions, date = date.addDays(3), balls, bonus);
        startOn(MegaMillions);
        dialogs.clear();
        action("mnuoptcreate")->trigger();
        screen = visibleScreen("LinkProcess");
        ASSERT_NE(screen, nullptr);
    }
    template <typename T> T* on(const char* name) const { return control<T>(screen, name); }
    void process(const char* text) {
        on<QLineEdit>("Text1")->setText(QString::fromLatin1(text));
        clickOn(screen, "Command1");
    }
    void createFor(QDate date) {
        on<DatePicker>("DTPicker1")->setValue(date);
        clickOn(screen, "Command2");
    }
    bool canCreate() const { return on<QPushButton>("Command2")->isEnabled(); }
    QString entryFile(QDate date) const { return datedEntryFileName(folder(), MegaMillions, date); }

    QWidget* screen = nullptr;
};

TEST_F(LinkProcessTest, ProcessRangeRefusesBadRangesAndCreateFollowsTheBox) {
    openWith({{{3, 14, 25, 36, 47}, 12}, {{1, 2, 3, 4, 5}, 6}, {{1, 2, 3, 4, 6}, 6}});
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Entry Optimizer"));
    EXPECT_EQ(on<QGroupBox>("Frame1")->title(), QStringLiteral("Enter number from 1 to 3"));
    EXPECT_EQ(on<DatePicker>("DTPicker1")->value(), kToday);
    EXPECT_FALSE(window->isEnabled());
    for (const char* text : {"", "0", "4", "x"}) {
        process(text);
        EXPECT_FALSE(canCreate()) << text;
    }
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"Please enter a value", "Your entry is outside the permitted draw range",
                           "Your entry is outside the permitted draw range",
                           "Your entry is outside the permitted draw range"}));
    process("3");
    EXPECT_EQ(dialogs.last(), QStringLiteral("Last 3 draws have been processed"));
    EXPECT_TRUE(canCreate());
    on<QLineEdit>("Text1")->setText(QStringLiteral("2"));
    EXPECT_FALSE(canCreate());
}

TEST_F(LinkProcessTest, EmptyHistoryCannotBeProcessed) {
    openWith({});
    EXPECT_EQ(on<QGroupBox>("Frame1")->title(), QStringLiteral("Enter number from 1 to 0"));
    process("1");
    EXPECT_EQ(dialogs.texts(),
              QStringList{"There are no draws in the history file, this process cannot be run."});
    EXPECT_FALSE(canCreate());
}

TEST_F(LinkProcessTest, LinesGoAfterTheLinesHeldWithTheDateOnlyAfterYes) {
    storeLines(MegaMillions, kOtherDate, std::vector<EntryLine>(10, EntryLine{{1, 2, 3, 4, 5}, 6}));
    const QByteArray before = fileBytes(entryFile(kOtherDate));
    openWith({{{1, 2, 3, 4, 5}, 6}, {{47, 36, 25, 14, 3}, 12}});
    process("1");
    dialogs.answerNo();
    createFor(kOtherDate);
    EXPECT_EQ(dialogs.last(), QStringLiteral("You already have a date entry for this date, do you "
                                             "want to add the new optimised entry to the existing "
                                             "entry?"));
    EXPECT_EQ(fileBytes(entryFile(kOtherDate)), before);

    dialogs.answerYes();
    createFor(kOtherDate);
    EXPECT_EQ(dialogs.last(), QStringLiteral("Done - 1 entries added to draw for selected date."));
    const RawRecord added{.day = 8,
                          .month = 7,
                          .year = 2003,
                          .numbers = kLastDrawLine.numbers,
                          .bonus = kLastDrawLine.bonus};
    EXPECT_EQ(fileBytes(entryFile(kOtherDate)), withCount(before, 11) + added.bytes());
}

// A studied draw that is no draw of the game (bonus 0) gives no line.
TEST_F(LinkProcessTest, NoLineKeepsTheCountAndLeavesNoNewFile) {
    storeLines(MegaMillions, kOtherDate, std::vector<EntryLine>(10, EntryLine{{1, 2, 3, 4, 5}, 6}));
    const QByteArray before = fileBytes(entryFile(kOtherDate));
    openWith({{{1, 2, 3, 4, 5}, 0}});
    process("1");
    dialogs.answerYes();
    createFor(kOtherDate);
    EXPECT_EQ(dialogs.last(), QStringLiteral("Done - 0 entries added to draw for selected date."));
    EXPECT_EQ(fileBytes(entryFile(kOtherDate)), before);
    createFor(QDate(2003, 7, 11));
    EXPECT_FALSE(QFile::exists(entryFile(QDate(2003, 7, 11))));
}

class LinkProcessClosing : public LinkProcessTest,
                           public ::testing::WithParamInterface<CloseWay> {};

TEST_P(LinkProcessClosing, ResumesTheMainScreenAndListsTheNewLines) {
    openWith({{{3, 14, 25, 36, 47}, 12}});
    process("1");
    createFor(kToday);
    EXPECT_EQ(rows("List1").size(), 0) << "the main screen reloads on closing";
    closeBy(screen, GetParam(), "Command3");
    EXPECT_EQ(visibleScreen("LinkProcess"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(rows("List1"), QStringList{"03 14 25 36 47 MB 12"});
    EXPECT_EQ(dialogs.unscriptedQuestions, 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, LinkProcessClosing,
                         ::testing::Values(CloseWay::Button, CloseWay::Escape, CloseWay::TitleBar));

TEST_F(LinkProcessTest, MainScreenReloadsEvenAfterNoToTheAppendQuestion) {
    storeLines(MegaMillions, kToday, {EntryLine{{1, 2, 3, 4, 5}, 6}});
    openWith({{{3, 14, 25, 36, 47}, 12}});
    process("1");
    dialogs.answerNo();
    createFor(kToday);
    storeLines(MegaMillions, kToday, {EntryLine{{7, 8, 9, 10, 11}, 12}});

    dialogs.answerNo();
    clickOn(screen, "Command3");
    EXPECT_EQ(dialogs.last(), QStringLiteral("You have not yet created an entry from the last "
                                             "initiation of Process Range. Do you still want to "
                                             "quit?"));
    EXPECT_EQ(visibleScreen("LinkProcess"), screen);
    dialogs.answerYes();
    clickOn(screen, "Command3");
    EXPECT_EQ(visibleScreen("LinkProcess"), nullptr);
    EXPECT_EQ(rows("List1").size(), 2);
}

// The lines the optimizer should make from draws, worked out here on their own.
std::vector<EntryLine> expectedLines(const std::vector<std::array<int, 6>>& draws) {
    std::map<std::pair<int, int>, int> together;
    std::map<int, std::map<int, int>> bonusOf;
    for (const auto& d : draws)
        for (int i = 0; i < 5; ++i) {
            ++bonusOf[d[i]][d[5]];
            for (int j = 0; j < 5; ++j)
                if (i != j)
                    ++together[{d[i], d[j]}];
        }
    auto partner = [&](int key, const std::vector<int>& line) {
        int best = 0, bestCount = 0;
        for (const auto& [pair, count] : together) // ascending partners per key
            if (pair.first == key && count > bestCount &&
                std::find(line.begin(), line.end(), pair.second) == line.end())
                best = pair.second, bestCount = count;
        return best;
    };
    std::vector<EntryLine> lines;
    for (int key = 1; key <= 52; ++key) {
        std::vector<int> line{key};
        while (line.size() < 5 && partner(line.back(), line) != 0)
            line.push_back(partner(line.back(), line));
        if (line.size() < 5)
            continue;
        std::sort(line.begin(), line.end());
        EntryLine e;
        std::copy(line.begin(), line.end(), e.numbers.begin());
        int bestBonusCount = 0;
        for (const auto& [bonus, count] : bonusOf[key])
            if (count > bestBonusCount)
                e.bonus = static_cast<std::int16_t>(bonus), bestBonusCount = count;
        if (std::none_of(lines.begin(), lines.end(),
                         [&](const EntryLine& l) { return l.numbers == e.numbers; }))
            lines.push_back(e);
    }
    return lines;
}

// The last n rows of the shipped Mega Millions history, read from its source.
std::vector<std::array<int, 6>> lastShippedDraws(int n) {
    QFile csv(QStringLiteral(NUMBRAVA_SOURCE_DIR "/data/megamillions-2002-2005.csv"));
    EXPECT_TRUE(csv.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList rows = QString::fromLatin1(csv.readAll()).split('\n', Qt::SkipEmptyParts);
    std::vector<std::array<int, 6>> draws;
    for (const QString& row : rows.mid(rows.size() - n)) {
        const QStringList f = row.split(',');
        draws.push_back(
            {f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt(), f[6].toInt()});
    }
    return draws;
}

class ShippedHistory : public LinkProcessTest, public ::testing::WithParamInterface<int> {};

TEST_P(ShippedHistory, LinesMatchPairsCountedIndependently) {
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(NUMBRAVA_BIN_DIR "/../demo/million.rtl"), file("million.rtl")));
    const int n = GetParam() ? GetParam() : DrawHistoryFile::countDraws(file("million.rtl"));
    openWith({});
    process(QByteArray::number(n).constData());
    createFor(kToday);
    const std::vector<EntryLine> expected = expectedLines(lastShippedDraws(n));
    EXPECT_EQ(EntryFile::readLines(entryFile(kToday)), expected);
    if (n == 1) // all five keys of the one draw lead to its five numbers
        EXPECT_EQ(expected.size(), 1u);
}

// 0 stands for every stored draw.
INSTANTIATE_TEST_SUITE_P(LastDraws, ShippedHistory, ::testing::Values(20, 1, 0));

} // namespace
