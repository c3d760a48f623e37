#include "payouts/default_amounts_input.h"
#include "payouts/payout_defaults_screen.h"
#include "support/main_window_fixture.h"
#include "support/payout_file_bytes.h"

#include <QLineEdit>
#include <QPointer>

using namespace numbrava;
using namespace numbrava::testing;

class DefaultsScreen : public MainWindowTest {
  protected:
    QPointer<QWidget> screen;

    void TearDown() override { delete screen.data(); }

    QWidget* open() {
        action("mnuDEfaults")->trigger();
        screen = visibleScreen("defaults");
        EXPECT_NE(screen, nullptr);
        return screen;
    }
    QLineEdit* box(int n) const {
        return screen->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
    }
    QString label(int n) const {
        return screen->findChild<QLabel*>(QStringLiteral("Label%1").arg(n))->text();
    }
    // The eight amounts in boxes 2 to 9, separated by blanks.
    void type(const char* amounts) {
        const QStringList texts = QString::fromLatin1(amounts).split(QLatin1Char(' '));
        for (int i = 0; i < 8; ++i)
            box(i + 2)->setText(texts[i] == QLatin1String("_") ? QString() : texts[i]);
    }
    bool screenOpen() const { return screen && screen->isVisible(); }
};

TEST_F(DefaultsScreen, EachGameShowsItsLabelsAndItsStoredAmounts) {
    writeFileBytes(file("MMDefaults.rtl"),
                   defaultAmountsBytes({175000, 5000, 150, 150, 7, 10, 3, 2}));
    startOn(Powerball);
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Defaults for P/B"));
    EXPECT_EQ(label(1), QStringLiteral("(5+PB)"));
    EXPECT_EQ(label(2), QStringLiteral("(5+0)"));
    EXPECT_EQ(label(9), QStringLiteral("(0+PB)"));
    EXPECT_EQ(box(1)->text(), QStringLiteral("No Default"));
    for (int n = 2; n <= 9; ++n)
        EXPECT_EQ(box(n)->text(), QStringLiteral("0")) << n;
    EXPECT_FALSE(window->isEnabled());
    screen->close();

    child<QRadioButton>("Option2")->click();
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Defaults for M/M"));
    EXPECT_EQ(label(1), QStringLiteral("(5+MB)"));
    EXPECT_EQ(label(9), QStringLiteral("(0+MB)"));
    EXPECT_EQ(box(2)->text(), QStringLiteral("175000"));
    EXPECT_EQ(box(9)->text(), QStringLiteral("2"));
}

TEST_F(DefaultsScreen, UpdateStoresTheRoundedAmountsByteExactlyAndCloses) {
    startOn(Powerball);
    ASSERT_NE(open(), nullptr);
    type("100000 5000 100 12.5 13.5 1,000 4 3");
    clickOn(screen, "Command2");
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().toStdString();
    EXPECT_EQ(fileBytes(file("Defaults.rtl")),
              defaultAmountsBytes({100000, 5000, 100, 12, 14, 1, 4, 3}));
    EXPECT_FALSE(screenOpen());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(fileBytes(file("MMDefaults.rtl")), QByteArray());
}

TEST_F(DefaultsScreen, ARefusalKeepsTheScreenOpenAndWritesNothing) {
    const QByteArray before = defaultAmountsBytes({9, 9, 9, 9, 9, 9, 9, 9});
    writeFileBytes(file("Defaults.rtl"), before);
    startOn(Powerball);
    ASSERT_NE(open(), nullptr);
    type("$50 2 3 4 5 6 7 8"); // the texts of each refusal are the input's own
    clickOn(screen, "Command2");
    EXPECT_EQ(dialogs.texts(),
              QStringList{"One or more of the values you entered is not in the correct format"});
    EXPECT_TRUE(screenOpen());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(fileBytes(file("Defaults.rtl")), before);
}

TEST_F(DefaultsScreen, CancelAndEscapeStoreNothing) {
    startOn(Powerball);
    for (CloseWay way : {CloseWay::Button, CloseWay::Escape}) {
        ASSERT_NE(open(), nullptr);
        type("1 2 3 4 5 6 7 8");
        closeBy(screen, way, "Command1");
        EXPECT_FALSE(screenOpen());
        EXPECT_TRUE(window->isEnabled());
        EXPECT_EQ(fileBytes(file("Defaults.rtl")), QByteArray());
    }
}

// Opened over another screen (as the actual payouts screen will), closing
// enables that screen again and leaves the main screen as it was.
TEST_F(DefaultsScreen, OpenedOverAnotherScreenEnablesOnlyThatOne) {
    startWindow();
    window->setEnabled(false); // the other screen's own opener waits disabled
    QWidget other;
    auto* defaults = new PayoutDefaultsScreen(&other, context);
    screen = defaults;
    defaults->openScreen();
    EXPECT_FALSE(other.isEnabled());
    type("1 2 3 4 5 6 7 8");
    clickOn(screen, "Command2");
    EXPECT_TRUE(other.isEnabled());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(fileBytes(file("MMDefaults.rtl")).size(), 32);
}

namespace {
const QString kEmpty = QStringLiteral("You must add amounts for each of the payouts!");
const QString kFormat =
    QStringLiteral("One or more of the values you entered is not in the correct format");

// Seven valid boxes and the one under test in box 5.
QStringList withBox(const QString& text) {
    QStringList boxes(8, QStringLiteral("10"));
    boxes[4] = text;
    return boxes;
}

struct BoxCase {
    const char* text;
    std::int32_t stored; // 0: refused
    bool emptyMessage = false;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class DefaultAmountBox : public ::testing::TestWithParam<BoxCase> {};
} // namespace

TEST_P(DefaultAmountBox, IsStoredOrRefused) {
    const BoxCase& c = GetParam();
    const auto result = defaultAmountsFromText(withBox(QString::fromUtf8(c.text)));
    if (c.stored != 0) {
        ASSERT_TRUE(std::holds_alternative<DefaultAmounts>(result)) << c.text;
        EXPECT_EQ(std::get<DefaultAmounts>(result)[4], c.stored) << c.text;
    } else {
        ASSERT_TRUE(std::holds_alternative<QString>(result)) << c.text;
        EXPECT_EQ(std::get<QString>(result), c.emptyMessage ? kEmpty : kFormat) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TypedAmounts, DefaultAmountBox,
    ::testing::Values(BoxCase{"12.5", 12}, BoxCase{"13.5", 14}, BoxCase{"1,000", 1},
                      BoxCase{"  250", 250}, BoxCase{"7 dollars", 7},
                      BoxCase{"2147483647", 2147483647}, BoxCase{"$50", 0}, BoxCase{"0", 0},
                      BoxCase{"0.0", 0}, BoxCase{"abc", 0}, BoxCase{"   ", 0},
                      // Fits no 32-bit field.
                      BoxCase{"2147483648", 0}, BoxCase{"1e12", 0},
                      // Would leave a table that the next check throws away.
                      BoxCase{"0.4", 0}, BoxCase{"-5", 0}, BoxCase{"", 0, true}));

TEST(DefaultAmounts, EmptyBoxWinsOverABadOneAndAllEightAreKeptInOrder) {
    QStringList boxes = {
        QStringLiteral("abc"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
        QStringLiteral("5"),   QStringLiteral("6"), QStringLiteral("7"), QString()};
    EXPECT_EQ(std::get<QString>(defaultAmountsFromText(boxes)), kEmpty);
    boxes[0] = QStringLiteral("1");
    boxes[7] = QStringLiteral("8");
    const auto amounts = std::get<DefaultAmounts>(defaultAmountsFromText(boxes));
    EXPECT_EQ(amounts, (DefaultAmounts{1, 2, 3, 4, 5, 6, 7, 8}));
}
