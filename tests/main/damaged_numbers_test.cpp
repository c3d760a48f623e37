// A file whose count is sound but whose numbers lie outside the game: the
// check and the suggestion run name the file and stop, rather than report
// wins or a run that found nothing.

#include "entries/entry_test_helpers.h"
#include "support/main_window_fixture.h"

#include <QLineEdit>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QDate kDrawDate(2003, 7, 5); // a Saturday: today on the test clock
constexpr std::array<std::int16_t, 5> kGoodBalls{5, 12, 25, 33, 41};
constexpr std::array<std::int16_t, 5> kWildBalls{-32768, 0, 32767, 99, -1};

struct DamagedCase {
    const char* name;
    bool suggest;                     // the suggestion run, else the check
    std::array<std::int16_t, 5> draw; // the shown draw, or draw 7 of 20
    std::array<std::int16_t, 5> line;
    const char* namedFile;
};

const DamagedCase kCases[] = {
    {"CheckWildDraw", false, kWildBalls, {-32768, -32768, -32768, -32768, -32768}, "pbk.rtl"},
    {"CheckLineOf54", false, kGoodBalls, {5, 12, 25, 33, 54}, "PwrB05JUL2003.lot"},
    {"SuggestWildDraw", true, {0, 12, 25, 33, 41}, {5, 12, 25, 33, 41}, "pbk.rtl"},
    {"SuggestLineOf54", true, kGoodBalls, {5, 12, 25, 33, 54}, "PwrB05JUL2003.lot"},
};
} // namespace

class DamagedNumbers : public MainWindowTest, public ::testing::WithParamInterface<DamagedCase> {
  protected:
    void TearDown() override { discardScreens("Form5"); }
};

TEST_P(DamagedNumbers, TheOperationNamesTheFileAndStops) {
    const DamagedCase& c = GetParam();
    if (c.suggest) {
        std::vector<DrawRecord> draws = tracingHistory(20);
        draws[6].balls = c.draw;
        writeHistory(file("pbk.rtl"), draws);
    } else {
        storeDraw(Powerball, kDrawDate, c.draw, 7);
    }
    storeLines(Powerball, kDrawDate, {EntryLine{c.line, 7}});
    const QByteArray entriesBefore = fileBytes(file("PwrB05JUL2003.lot"));
    // Start-up checks the shown draw by itself: what it reports counts too.
    startOn(Powerball);

    if (c.suggest) {
        child<QPushButton>("Command4")->click();
        QWidget* form = visibleScreen("Form5");
        ASSERT_NE(form, nullptr);
        control<QLineEdit>(form, "Text8")->setText("5");
        clickOn(form, "Command4");
    } else {
        child<QPushButton>("Command14")->click();
    }
    const QStringList texts = dialogs.texts();
    EXPECT_EQ(texts.filter(c.namedFile).size(), 1) << texts.join('\n').toStdString();
    EXPECT_EQ(texts.filter("Won").size(), 0);
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(rows("List2"), QStringList());
    EXPECT_EQ(fileBytes(file("PwrB05JUL2003.lot")), entriesBefore);
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedNumbers, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });
