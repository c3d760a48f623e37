#include "support/main_window_fixture.h"
#include "support/payout_file_bytes.h"
#include "ui/date_picker.h"

#include <QLineEdit>
#include <QPointer>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
const QDate kToday(2003, 7, 5); // the test clock's today, a Saturday
} // namespace

class PayoutsScreen : public MainWindowTest {
  protected:
    QPointer<QWidget> screen;

    void TearDown() override {
        discardScreens("defaults");
        delete screen.data();
    }
    void open() {
        action("mnuactualpayouts")->trigger();
        screen = visibleScreen("payouts");
        ASSERT_NE(screen, nullptr);
    }
    QLineEdit* box(int n) const {
        return screen->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
    }
    QString boxes() const {
        QStringList texts;
        for (int n = 1; n <= 9; ++n)
            texts << box(n)->text();
        return texts.join(' ');
    }
    void type(const char* amounts) {
        for (int n = 1; n <= 9; ++n)
            box(n)->setText(QString(amounts).split(' ')[n - 1]);
    }
    void pick(QDate date) { control<DatePicker>(screen, "DTPicker1")->setValue(date); }
    QRadioButton* option(const char* name) const { return control<QRadioButton>(screen, name); }
};

TEST_F(PayoutsScreen, ShowsTheStoredTableOfEachDateAndTheDefaults) {
    writeFileBytes(file("USMMRES.rtl"),
                   actualRecordBytes("05JUL2003", 0, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8}));
    startOn(MegaMillions);
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Add Payout Data for Mega Millions"));
    EXPECT_EQ(boxes(), QStringLiteral("0 1 2 3 4 5 6 7 8"));
    // A date without a table empties the boxes and keeps the choice.
    pick(QDate(2003, 7, 8));
    EXPECT_EQ(boxes(), QStringLiteral("        "));
    EXPECT_TRUE(option("Option2")->isChecked());

    box(1)->setText("5000000");
    clickOn(screen, "Command4");
    writeFileBytes(file("MMDefaults.rtl"), QByteArray(32, '\0'));
    clickOn(screen, "Command4");
    EXPECT_EQ(boxes(), QStringLiteral("5000000 0 0 0 0 0 0 0 0"));
    EXPECT_EQ(dialogs.texts(),
              QStringList{"You need to set up the default payments first - use Change Defaults"});
}

// The defaults screen stands over this one, and goes with it.
TEST_F(PayoutsScreen, ChangeDefaultsOpensTheDefaultsScreenOverThisOne) {
    startOn(Powerball);
    open();
    clickOn(screen, "Command5");
    EXPECT_FALSE(screen->isEnabled());
    QTest::keyClick(visibleScreen("defaults"), Qt::Key_Escape);
    EXPECT_TRUE(screen->isEnabled());
    clickOn(screen, "Command5");
    screen->close();
    EXPECT_EQ(visibleScreen("defaults"), nullptr);
    EXPECT_TRUE(window->isEnabled());
}

// Each check stops before anything is written; the replace question comes
// before the amounts are read.
TEST_F(PayoutsScreen, RefusalsComeInOrderAndWriteNothing) {
    startOn(Powerball);
    open();
    pick(QDate(2003, 7, 8)); // a Tuesday
    type("1 2 3 4  6 7 8 9");
    clickOn(screen, "Command1");
    box(5)->setText("5");
    clickOn(screen, "Command1");
    option("Option1")->click();
    clickOn(screen, "Command1");
    pick(kToday);
    type("$0 2 3 4 5 6 7 8 9");
    clickOn(screen, "Command1");
    EXPECT_EQ(fileBytes(file("USRES.rtl")), QByteArray());
    box(1)->setText("1");
    clickOn(screen, "Command1");
    const QByteArray stored = fileBytes(file("USRES.rtl"));
    EXPECT_EQ(stored, actualRecordBytes("05JUL2003", -1, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9}));
    dialogs.answerNo();
    clickOn(screen, "Command1");
    dialogs.answerYes();
    box(9)->setText("00");
    clickOn(screen, "Command1");
    EXPECT_EQ(fileBytes(file("USRES.rtl")), stored);
    const QString replace = "You already have payouts entered for this date do you want to "
                            "replace with the new data?";
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"You must add amounts for each of the payouts!",
                           "You must indicate whether the payout is confirmed or provisional",
                           "You must select a Saturday or Wednesday date",
                           "The value you entered in the first box is not in the correct format",
                           "Done", replace, replace,
                           "The value you entered in the ninth box is not in the correct format"}));
}

// Storing the date twice with Yes leaves one table, the second, and that is
// what the check on the main screen uses.
TEST_F(PayoutsScreen, TheCheckUsesTheStoredTable) {
    storeDraw(Powerball, kToday, {5, 12, 25, 33, 41}, 7);
    storeLines(Powerball, kToday, {EntryLine{{5, 12, 25, 40, 44}, 7}});
    startOn(Powerball); // which checks by itself
    dialogs.clear();
    dialogs.answerYes();
    for (const char* type : {"Option1", "Option2"}) {
        open();
        option(type)->click();
        this->type("$1,000,000 200000 10,000 100 150.99 7 7 4 3");
        clickOn(screen, "Command1");
        clickOn(screen, "Command2");
        child<QPushButton>("Command14")->click();
    }
    EXPECT_EQ(dialogs.texts().filter("Won"),
              (QStringList{"Won $150 using confirmed payout data.",
                           "Won $150 using unconfirmed payout data."}));
    EXPECT_EQ(fileBytes(file("USRES.rtl")).size(), 49);
}
