#include "data/file_error.h"
#include "payouts/actual_payout_entry.h"
#include "payouts/default_amounts_input.h"
#include "payouts/payout_files.h"
#include "payouts/payout_lookup.h"
#include "support/main_window_fixture.h"
#include "support/payout_file_bytes.h"

#include <QFileInfo>
#include <QPointer>
#include <gmock/gmock.h>

using namespace numbrava;
using namespace numbrava::testing;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

namespace {
QByteArray record(const char* key, int flag, int count, qint64 f) {
    return actualRecordBytes(key, flag, count,
                             {f, f + 1, f + 2, f + 3, f + 4, f + 5, f + 6, f + 7, f + 8});
}

class PayoutFiles : public MainWindowTest {
  protected:
    QString actual() const { return actualPayoutFilePath(folder(), Powerball); }

    static PayoutTable table(const char* key, int flag, std::int32_t first) {
        PayoutTable t{.dateKey = QString::fromLatin1(key), .confirmed = std::int16_t(flag)};
        for (int c = 1; c <= 9; ++c)
            t.setAmount(c, first + c - 1);
        return t;
    }
};
} // namespace

TEST_F(PayoutFiles, StoreAppendsOrReplacesInPlaceFindTakesTheLastOfADateADamagedCountStops) {
    const std::tuple<const char*, int, int, int, bool, int> stores[] = {
        {"05JUL2003", -1, 100, 1, false, 1},
        {"09JUL2003", 0, 200, 2, false, 2},
        {"05JUL2003", 0, 300, 1, true, 2},
        {"09JUL2003", -1, 900, 2, true, 2}}; // leaves record 1 alone
    for (const auto& [key, flag, first, record, replaced, count] : stores) {
        const auto stored = ActualPayoutFile::storeTable(actual(), table(key, flag, first));
        EXPECT_EQ(std::pair(stored.record, stored.replaced), std::pair(record, replaced)) << first;
        EXPECT_EQ(ActualPayoutFile::countTables(actual()), count) << first;
    }
    EXPECT_EQ(fileBytes(actual()),
              record("05JUL2003", 0, 2, 300) + record("09JUL2003", -1, 0, 900));
    // Find takes the last table with the key and no record beyond the count.
    writeFileBytes(actual(), record("05JUL2003", 0, 3, 1) + record("09JUL2003", 0, 0, 2) +
                                 record("05JUL2003", -1, 0, 3) + record("12JUL2003", 0, 0, 4));
    EXPECT_EQ(ActualPayoutFile::findRecord(actual(), QStringLiteral("05JUL2003")), 3);
    const auto found = ActualPayoutFile::findTable(actual(), QStringLiteral("05JUL2003"));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->amount(9), 11);
    EXPECT_EQ(found->confirmed, -1);
    EXPECT_FALSE(ActualPayoutFile::findTable(actual(), QStringLiteral("06JUL2003")));
    EXPECT_FALSE(ActualPayoutFile::findTable(actual(), QStringLiteral("12JUL2003")));
    // A store of that date appends it as table 4, over the stale record.
    EXPECT_EQ(ActualPayoutFile::storeTable(actual(), table("12JUL2003", 0, 5)).record, 4);
    EXPECT_EQ(ActualPayoutFile::countTables(actual()), 4);
    // A damaged count is refused naming the file, and nothing is written.
    for (int claimed : {-1, 2}) {
        const QByteArray damaged = record("05JUL2003", 0, claimed, 1);
        writeFileBytes(actual(), damaged);
        EXPECT_THAT([&] { ActualPayoutFile::findTable(actual(), QStringLiteral("05JUL2003")); },
                    ThrowsMessage<DamagedFileError>(HasSubstr("USRES.rtl")));
        EXPECT_THROW(ActualPayoutFile::storeTable(actual(), table("09JUL2003", 0, 1)),
                     DamagedFileError);
        EXPECT_EQ(fileBytes(actual()), damaged);
    }
}

// The date's actual table first, else defaults fill 2 to 9; bad defaults go, a bad actual stays.
TEST_F(PayoutFiles, LookUpTakesTheDatesTableElseTheDefaults) {
    const QByteArray actualFile =
        record("02JUL2003", -1, 2, 9) +
        actualRecordBytes("05JUL2003", -1, 0, {0, 1000, 500, 100, 100, 7, 7, 4, 3});
    const QByteArray defaults = defaultAmountsBytes({100000, 5000, 100, 100, 7, 7, 4, 3});
    const QString none = QStringLiteral("- - - - - - - - -"),
                  fromDefaults = QStringLiteral("- 100000 5000 100 100 7 7 4 3");
    const struct {
        QByteArray actual, defaults; // null: no file
        GameCode game;
        int day;
        QString amounts; // of the table found, "-" for none
        bool actualFound, defaultUsed, defaultsKept;
    } cases[] = {
        {actualFile, defaults, Powerball, 5, "0 1000 500 100 100 7 7 4 3", true, false, true},
        {actualFile, defaults, Powerball, 6, fromDefaults, false, true, true},
        {actualFile, defaults, MegaMillions, 5, none, false, false, true},
        {{}, defaults, Powerball, 5, fromDefaults, false, true, true},
        {{}, QByteArray(32, '\0'), Powerball, 5, none, false, false, false},
        {{}, le32(-1) + QByteArray(28, '\x01'), Powerball, 5, none, false, false, false},
        {{}, le32(0) + le32(5000) + QByteArray(24, '\0'), Powerball, 5, none, false, false, false},
        {{}, {}, Powerball, 5, none, false, false, false}, // also one just created
        {record("05JUL2003", -1, 5, 9), defaults, Powerball, 5, fromDefaults, false, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amounts.toStdString() + " on day " + std::to_string(c.day));
        for (const auto& [name, bytes] :
             {std::pair{"USRES.rtl", c.actual}, std::pair{"Defaults.rtl", c.defaults}})
            if (QFile::remove(file(name)); !bytes.isNull())
                writeFileBytes(file(name), bytes);
        const PayoutLookUp r = lookUpPayouts(folder(), c.game, c.day, 7, 2003);
        QStringList amounts;
        for (const auto& amount : r.table.amounts)
            amounts << (amount ? QString::number(*amount) : QStringLiteral("-"));
        EXPECT_EQ(amounts.join(' '), c.amounts);
        // The actual file is created empty when missing and a damaged one is kept.
        EXPECT_EQ(std::tuple(r.actualFound, r.confirmed(), r.defaultUsed,
                             QFileInfo::exists(file("Defaults.rtl")),
                             QFileInfo::exists(file("USRES.rtl"))),
                  std::tuple(c.actualFound, c.actualFound, c.defaultUsed, c.defaultsKept, true));
        EXPECT_EQ(fileBytes(file("USRES.rtl")), c.actual);
        EXPECT_EQ(r.problems.filter("USRES.rtl"), r.problems);
        EXPECT_EQ(r.problems.size(), c.actual.size() == 49 ? 1 : 0);
    }
}

class PayoutScreens : public MainWindowTest {
  protected:
    QPointer<QWidget> screen;

    void TearDown() override {
        discardScreens("defaults");
        discardScreens("payouts");
    }
    QWidget* open(const char* menuItem, const char* name) {
        action(menuItem)->trigger();
        return screen = visibleScreen(name);
    }
    QLineEdit* box(int n) const {
        return control<QLineEdit>(screen, qPrintable("Text" + QString::number(n)));
    }
    QString texts(const char* name = "Text") const {
        QStringList all;
        for (int n = 1; n <= 9; ++n)
            all << screen->findChild<QWidget*>(name + QString::number(n))
                       ->property("text")
                       .toString();
        return all.join(' ');
    }
    void type(const char* texts, int first = 1) {
        for (const QString& text : QString::fromLatin1(texts).split(QLatin1Char(' ')))
            box(first++)->setText(text);
    }
    void pick(QDate date) { control<DatePicker>(screen, "DTPicker1")->setValue(date); }
    QRadioButton* option(const char* name) const { return control<QRadioButton>(screen, name); }
    bool screenOpen() const { return screen && screen->isVisible(); }
};

// Defaults stand over the payouts screen; closing or updating them re-enables it, not the main one.
TEST_F(PayoutScreens, ShowTheStoredTablesRefuseInOrderAndOnlyUpdateOrYesStores) {
    writeFileBytes(file("USMMRES.rtl"),
                   record("05JUL2003", 0, 2, 0) + record("04JUL2003", -1, 0, 10));
    startOn(MegaMillions);
    QWidget* payouts = open("mnuactualpayouts", "payouts");
    ASSERT_NE(payouts, nullptr);
    EXPECT_EQ(payouts->windowTitle(), QStringLiteral("Add Payout Data for Mega Millions"));
    EXPECT_EQ(texts(), QStringLiteral("0 1 2 3 4 5 6 7 8"));
    // A date without a table empties the boxes and keeps the choice.
    pick(QDate(2003, 7, 8));
    EXPECT_EQ(texts(), QStringLiteral("        "));
    EXPECT_TRUE(option("Option2")->isChecked());
    pick(QDate(2003, 7, 4));
    EXPECT_EQ(texts(), QStringLiteral("10 11 12 13 14 15 16 17 18"));
    EXPECT_TRUE(option("Option1")->isChecked());
    box(1)->setText("5000000");
    clickOn(payouts, "Command4");
    EXPECT_EQ(dialogs.texts(),
              QStringList{"You need to set up the default payments first - use Change Defaults"});

    clickOn(payouts, "Command5");
    EXPECT_FALSE(payouts->isEnabled());
    QTest::keyClick(visibleScreen("defaults"), Qt::Key_Escape);
    EXPECT_TRUE(payouts->isEnabled());
    clickOn(payouts, "Command5");
    screen = visibleScreen("defaults");
    type("1 2 3 4 5 6 7 8", 2);
    clickOn(screen, "Command2");
    EXPECT_EQ(fileBytes(file("MMDefaults.rtl")), defaultAmountsBytes({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(payouts->isEnabled() && !window->isEnabled());
    screen = payouts;
    clickOn(payouts, "Command4");
    EXPECT_EQ(texts(), QStringLiteral("5000000 1 2 3 4 5 6 7 8"));
    clickOn(payouts, "Command5");
    payouts->close();
    EXPECT_EQ(visibleScreen("defaults"), nullptr);

    EXPECT_TRUE(window->isEnabled());

    // Actual payouts: each check stops before a write; the replace question precedes the amounts.
    child<QRadioButton>("Option3")->click();
    dialogs.clear();
    ASSERT_NE(open("mnuactualpayouts", "payouts"), nullptr);
    pick(QDate(2003, 7, 8)); // a Tuesday
    type("1 2 3 4  6 7 8 9");
    clickOn(screen, "Command1");
    box(5)->setText("5");
    clickOn(screen, "Command1");
    option("Option1")->click();
    clickOn(screen, "Command1");
    pick(QDate(2003, 7, 5)); // the test clock's today, a Saturday
    type("$0 2 3 4 5 6 7 8 9");
    clickOn(screen, "Command1");
    EXPECT_EQ(fileBytes(file("USRES.rtl")), QByteArray());
    box(1)->setText("1");
    clickOn(screen, "Command1");
    const QByteArray stored = fileBytes(file("USRES.rtl"));
    EXPECT_EQ(stored, actualRecordBytes("05JUL2003", -1, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9}));
    dialogs.answerNo();
    clickOn(screen, "Command1");
    dialogs.answerYes(2);
    box(9)->setText("00");
    clickOn(screen, "Command1");
    EXPECT_EQ(fileBytes(file("USRES.rtl")), stored);
    box(9)->setText("90");
    option("Option2")->click();
    clickOn(screen, "Command1");
    EXPECT_EQ(fileBytes(file("USRES.rtl")),
              actualRecordBytes("05JUL2003", 0, 1, {1, 2, 3, 4, 5, 6, 7, 8, 90}));
    const QString replace = "You already have payouts entered for this date do you want to "
                            "replace with the new data?";
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"You must add amounts for each of the payouts!",
                           "You must indicate whether the payout is confirmed or provisional",
                           "You must select a Saturday or Wednesday date",
                           "The value you entered in the first box is not in the correct format",
                           "Done", replace, replace,
                           "The value you entered in the ninth box is not in the correct format",
                           replace, "Done"}));
    clickOn(screen, "Command2");
    EXPECT_TRUE(window->isEnabled());

    // Defaults: a refusal keeps it open, Cancel/Escape close storing nothing, Update rounds+closes.
    const QByteArray before = defaultAmountsBytes({9, 9, 9, 9, 9, 9, 9, 9});
    const QByteArray mega = defaultAmountsBytes({175000, 5000, 150, 150, 7, 10, 3, 2});
    writeFileBytes(file("Defaults.rtl"), before);
    writeFileBytes(file("MMDefaults.rtl"), mega);
    dialogs.clear();
    ASSERT_NE(open("mnuDEfaults", "defaults"), nullptr);
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Defaults for P/B"));
    EXPECT_EQ(texts("Label"),
              QStringLiteral("(5+PB) (5+0) (4+PB) (4+0) (3+PB) (3+0) (2+PB) (1+PB) (0+PB)"));
    EXPECT_EQ(texts(), QStringLiteral("No Default 9 9 9 9 9 9 9 9"));
    type("$50 2 3 4 5 6 7 8", 2); // the texts of each refusal are the input's own
    clickOn(screen, "Command2");
    EXPECT_EQ(dialogs.texts(),
              QStringList{"One or more of the values you entered is not in the correct format"});
    EXPECT_TRUE(screenOpen() && !window->isEnabled());
    for (CloseWay way : {CloseWay::Button, CloseWay::Escape}) {
        type("1 2 3 4 5 6 7 8", 2);
        closeBy(screen, way, "Command1");
        EXPECT_TRUE(!screenOpen() && window->isEnabled());
        ASSERT_NE(open("mnuDEfaults", "defaults"), nullptr);
    }
    EXPECT_EQ(fileBytes(file("Defaults.rtl")), before);
    dialogs.clear();
    type("100000 5000 100 12.5 13.5 1,000 4 3", 2);
    clickOn(screen, "Command2");
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().toStdString();
    EXPECT_EQ(fileBytes(file("Defaults.rtl")),
              defaultAmountsBytes({100000, 5000, 100, 12, 14, 1, 4, 3}));
    EXPECT_TRUE(!screenOpen() && window->isEnabled());
    EXPECT_EQ(fileBytes(file("MMDefaults.rtl")), mega);

    child<QRadioButton>("Option2")->click();
    ASSERT_NE(open("mnuDEfaults", "defaults"), nullptr);
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Defaults for M/M"));
    EXPECT_EQ(texts("Label"),
              QStringLiteral("(5+MB) (5+0) (4+MB) (4+0) (3+MB) (3+0) (2+MB) (1+MB) (0+MB)"));
    EXPECT_EQ(texts(), QStringLiteral("No Default 175000 5000 150 150 7 10 3 2"));
}

// The text goes in default box 5 and actual box 9, the rest valid. -1: the screen's format refusal,
// -2: refused as missing (an empty box beats a bad one), -3: not tried as an actual amount.
TEST(AmountText, IsStoredRoundedOrTruncatedOrRefused) {
    const QString empty = QStringLiteral("You must add amounts for each of the payouts!");
    const QString format =
        QStringLiteral("One or more of the values you entered is not in the correct format");
    // clang-format off
    const std::tuple<const char*, qint64, qint64> cases[] = {
        // default amounts round, actual ones drop the cents
        {"12.5", 12, 12}, {"13.5", 14, 13}, {"2500.75", 2501, 2500}, {"1,000", 1, 1000},
        {"$1,234,567", -1, 1234567}, {"  250", 250, 250}, {" 0 ", -1, 0}, {"7 dollars", 7, 7},
        {"1.2.3", 1, 1}, {"2147483647", 2147483647, 2147483647}, {"$50", -1, 50}, {"0", -1, 0},
        {"0.0", -1, -1}, {"00", -1, -1}, {"$0", -1, -1}, {".75", 1, -1}, {"abc", -1, -1},
        {"   ", -1, -1}, {"2147483648", -1, -1}, {"99999999999999999999999", -1, -1},
        {"1e12", -1, -3},                // fits no 32-bit field
        {"0.4", -1, -1}, {"-5", -1, -3}, // a default table that the next check throws away
        {"", -2, -1}};
    // clang-format on
    const QString ninth =
        QStringLiteral("The value you entered in the ninth box is not in the correct format");
    const auto outcome = [](const auto& result, size_t box) {
        return result.index() == 0 ? QString::number(std::get<0>(result)[box])
                                   : std::get<1>(result);
    };
    const auto amount = [](qint64 a, const QString& refusal) {
        return a >= 0 ? QString::number(a) : refusal;
    };
    QStringList defaults(8, QStringLiteral("10")), actual(9, QStringLiteral("5"));
    for (const auto& [text, asDefault, asActual] : cases) {
        defaults[4] = actual[8] = QString::fromUtf8(text);
        EXPECT_EQ(outcome(defaultAmountsFromText(defaults), 4),
                  amount(asDefault, asDefault == -2 ? empty : format))
            << text;
        if (asActual != -3)
            EXPECT_EQ(outcome(actualAmountsFromText(actual), 8), amount(asActual, ninth)) << text;
    }
    EXPECT_EQ(std::get<QString>(defaultAmountsFromText({"abc", "2", "3", "4", "5", "6", "7", ""})),
              empty);
}
