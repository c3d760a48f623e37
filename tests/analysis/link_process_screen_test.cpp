#include "analysis/optimizer.h"
#include "support/main_window_fixture.h"
#include "support/record_bytes.h"

#include <QGroupBox>
#include <algorithm>
#include <map>

using namespace numbrava;
using namespace numbrava::testing;

namespace {

const QDate kToday(2003, 7, 5); // the fixture's today and entries date
const QDate kOtherDate(2003, 7, 8);

class LinkProcessTest : public MainWindowTest {
  protected:
    void TearDown() override { discardScreens("LinkProcess"); }

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

// Create is offered from a processed range until the box changes. The latest draws are not the
// game's and give no line; the one before them gives the line that goes after the 10 held.
TEST_F(LinkProcessTest, LinesOfAProcessedRangeGoAfterTheLinesHeldWithTheDateOnlyAfterYes) {
    storeLines(MegaMillions, kOtherDate, std::vector<EntryLine>(10, EntryLine{{1, 2, 3, 4, 5}, 6}));
    const QByteArray before = fileBytes(entryFile(kOtherDate));
    // clang-format off
    openWith({{{47, 36, 25, 14, 3}, 12}, {{1, 2, 3, 4, 5}, 0}, {{1, 2, 3, 4, 5}, 53},
              {{1, 1, 2, 3, 4}, 5}, {{1, 2, 3, 4, 60}, 5}});
    // clang-format on
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Entry Optimizer"));
    EXPECT_EQ(on<QGroupBox>("Frame1")->title(), QStringLiteral("Enter number from 1 to 5"));
    EXPECT_FALSE(window->isEnabled());
    for (const char* text : {"", "6"})
        process(text);
    EXPECT_FALSE(canCreate());
    process("4");
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"Please enter a value", "Your entry is outside the permitted draw range",
                           "Last 4 draws have been processed"}));
    EXPECT_TRUE(canCreate());
    on<QLineEdit>("Text1")->setText(QStringLiteral("2"));
    EXPECT_FALSE(canCreate());
    process("4");
    dialogs.answerYes();
    createFor(kOtherDate);
    EXPECT_EQ(dialogs.last(), QStringLiteral("Done - 0 entries added to draw for selected date."));
    EXPECT_EQ(fileBytes(entryFile(kOtherDate)), before);
    createFor(QDate(2003, 7, 11));
    EXPECT_FALSE(QFile::exists(entryFile(QDate(2003, 7, 11))));

    process("5");
    dialogs.answerNo();
    createFor(kOtherDate);
    EXPECT_EQ(dialogs.last(), QStringLiteral("You already have a date entry for this date, do you "
                                             "want to add the new optimised entry to the existing "
                                             "entry?"));
    EXPECT_EQ(fileBytes(entryFile(kOtherDate)), before);
    dialogs.answerYes();
    createFor(kOtherDate);
    EXPECT_EQ(dialogs.last(), QStringLiteral("Done - 1 entries added to draw for selected date."));
    const RawRecord added{
        .day = 8, .month = 7, .year = 2003, .numbers = {3, 14, 25, 36, 47}, .bonus = 12};
    EXPECT_EQ(fileBytes(entryFile(kOtherDate)), withCount(before, 11) + added.bytes());
}

class LinkProcessClosing : public LinkProcessTest,
                           public ::testing::WithParamInterface<CloseWay> {};

// Lines for the entries date (No here) make the main screen relist it, showing lines stored since.
TEST_P(LinkProcessClosing, AsksBeforeLeavingUncreatedLinesAndReloadsTheMainScreen) {
    storeLines(MegaMillions, kToday, {EntryLine{{1, 2, 3, 4, 5}, 6}});
    openWith({{{3, 14, 25, 36, 47}, 12}});
    process("1");
    dialogs.answerNo();
    createFor(kToday);
    storeLines(MegaMillions, kToday, {EntryLine{{7, 8, 9, 10, 11}, 12}});
    dialogs.answerNo();
    closeBy(screen, GetParam(), "Command3");
    EXPECT_EQ(dialogs.last(), QStringLiteral("You have not yet created an entry from the last "
                                             "initiation of Process Range. Do you still want to "
                                             "quit?"));
    ASSERT_EQ(visibleScreen("LinkProcess"), screen);
    EXPECT_EQ(rows("List1").size(), 1);
    dialogs.answerYes();
    closeBy(screen, GetParam(), "Command3");
    EXPECT_EQ(visibleScreen("LinkProcess"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(rows("List1").size(), 2);
}

INSTANTIATE_TEST_SUITE_P(Ways, LinkProcessClosing,
                         ::testing::Values(CloseWay::Button, CloseWay::Escape, CloseWay::TitleBar));

// The optimizer's lines worked out independently: counts in maps, every tie to the smallest number.
std::vector<EntryLine> expectedLines(const std::vector<DrawRecord>& draws) {
    std::map<int, std::map<int, int>> partners, bonuses;
    for (const DrawRecord& d : draws)
        for (int i = 0; i < 5; ++i) {
            ++bonuses[d.balls[i]][d.bonus];
            for (int j = 0; j < 5; ++j)
                partners[d.balls[i]][d.balls[j]] += i != j;
        }
    auto best = [](const std::map<int, int>& counts, const std::vector<int>& leftOut) {
        int found = 0, most = 0;
        for (const auto& [n, count] : counts)
            if (count > most && std::ranges::find(leftOut, n) == leftOut.end())
                found = n, most = count;
        return found;
    };
    std::vector<EntryLine> lines;
    for (int key = 1; key <= 52; ++key) {
        std::vector<int> line{key};
        while (line.size() < 5 && best(partners[line.back()], line))
            line.push_back(best(partners[line.back()], line));
        std::ranges::sort(line);
        EntryLine e{{}, static_cast<std::int16_t>(best(bonuses[key], {}))};
        std::ranges::copy(line, e.numbers.begin());
        if (line.size() == 5 &&
            std::ranges::find(lines, e.numbers, &EntryLine::numbers) == lines.end())
            lines.push_back(e);
    }
    return lines;
}

class ShippedHistory : public LinkProcessTest, public ::testing::WithParamInterface<int> {};

TEST_P(ShippedHistory, LinesMatchPairsCountedIndependently) {
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(NUMBRAVA_BIN_DIR "/../demo/million.rtl"), file("million.rtl")));
    const int n = GetParam() ? GetParam() : DrawHistoryFile::countDraws(file("million.rtl"));
    openWith({});
    process(QByteArray::number(n).constData());
    createFor(kToday);
    const auto draws = DrawHistoryFile::readAllDraws(file("million.rtl"));
    const auto expected = expectedLines({draws.end() - n, draws.end()});
    EXPECT_EQ(EntryFile::readLines(entryFile(kToday)), expected);
}

// 0 stands for every stored draw.
INSTANTIATE_TEST_SUITE_P(LastDraws, ShippedHistory, ::testing::Values(20, 1, 0));

} // namespace

// The box's number picks the latest draws; the draws before the last one are
// rounded, halves to even. A first record of 0 stands for a refusal.
TEST(StudiedRange, PicksTheLatestDrawsOrRefuses) {
    const std::tuple<const char*, int, int> cases[] = {
        {"0", 10, 0},  {"11", 10, 0},  {"ten", 10, 0}, {"10.5", 10, 0}, {"10", 10, 1},
        {"1", 10, 10}, {"2.5", 10, 8}, {"3.5", 10, 8}, {"1", 0, 0},     {" 3 draws", 10, 8}};
    for (const auto& [text, drawCount, firstRecord] : cases) {
        SCOPED_TRACE(text);
        const StudiedRange range = studiedRange(QString::fromLatin1(text), drawCount);
        EXPECT_EQ(range.firstRecord, firstRecord);
        EXPECT_EQ(range.refusal,
                  firstRecord ? QString()
                  : drawCount ? QStringLiteral("Your entry is outside the permitted draw range")
                              : QStringLiteral("There are no draws in the history file, this "
                                               "process cannot be run."));
    }
}
