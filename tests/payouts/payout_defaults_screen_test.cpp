#include "payouts/payout_defaults_screen.h"
#include "support/main_window_fixture.h"
#include "support/payout_file_bytes.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace numbrava;
using namespace numbrava::testing;

class DefaultsScreen : public MainWindowTest {
  protected:
    QPointer<QWidget> screen;

    void TearDown() override {
        if (screen)
            delete screen.data();
    }

    QWidget* openFromMenu(GameCode game) {
        startWindow();
        child<QRadioButton>(game == Powerball ? "Option3" : "Option2")->click();
        action("mnuDEfaults")->trigger();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("defaults") && w->isVisible())
                screen = w;
        EXPECT_NE(screen, nullptr);
        return screen;
    }
    template <typename T> T* on(const QString& name) const {
        T* found = screen->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* box(int n) const { return on<QLineEdit>(QStringLiteral("Text%1").arg(n)); }
    void type(const QStringList& amounts) {
        for (int i = 0; i < 8; ++i)
            box(i + 2)->setText(amounts[i]);
    }
    void press(const char* name) { on<QPushButton>(QString::fromLatin1(name))->click(); }
    bool screenOpen() const { return screen && screen->isVisible(); }
};

TEST_F(DefaultsScreen, PowerballScreenShowsItsLabelsAndZerosForNoFile) {
    openFromMenu(Powerball);
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Defaults for P/B"));
    EXPECT_EQ(on<QLabel>("Label1")->text(), QStringLiteral("(5+PB)"));
    EXPECT_EQ(on<QLabel>("Label2")->text(), QStringLiteral("(5+0)"));
    EXPECT_EQ(on<QLabel>("Label9")->text(), QStringLiteral("(0+PB)"));
    EXPECT_EQ(box(1)->text(), QStringLiteral("No Default"));
    for (int n = 2; n <= 9; ++n)
        EXPECT_EQ(box(n)->text(), QStringLiteral("0")) << n;
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(on<QPushButton>("Command2")->text(), QStringLiteral("Update"));
    EXPECT_EQ(on<QPushButton>("Command1")->toolTip(),
              QStringLiteral("Use this to close this form and return to the main program screen."));
}

TEST_F(DefaultsScreen, MegaMillionsScreenShowsTheStoredAmounts) {
    writeFileBytes(file("MMDefaults.rtl"), le32(175000) + le32(5000) + le32(150) + le32(150) +
                                               le32(7) + le32(10) + le32(3) + le32(2));
    openFromMenu(MegaMillions);
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Defaults for M/M"));
    EXPECT_EQ(on<QLabel>("Label1")->text(), QStringLiteral("(5+MB)"));
    EXPECT_EQ(on<QLabel>("Label9")->text(), QStringLiteral("(0+MB)"));
    EXPECT_EQ(box(2)->text(), QStringLiteral("175000"));
    EXPECT_EQ(box(9)->text(), QStringLiteral("2"));
}

TEST_F(DefaultsScreen, UpdateStoresTheRoundedAmountsByteExactlyAndCloses) {
    openFromMenu(Powerball);
    type({"100000", "5000", "100", "12.5", "13.5", "1,000", "4", "3"});
    press("Command2");
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.last().toStdString();
    EXPECT_EQ(fileBytes(file("Defaults.rtl")), le32(100000) + le32(5000) + le32(100) + le32(12) +
                                                   le32(14) + le32(1) + le32(4) + le32(3));
    EXPECT_FALSE(screenOpen());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(fileBytes(file("MMDefaults.rtl")), QByteArray());
}

TEST_F(DefaultsScreen, RefusalsKeepTheScreenOpenAndWriteNothing) {
    writeFileBytes(file("Defaults.rtl"),
                   le32(9) + le32(9) + le32(9) + le32(9) + le32(9) + le32(9) + le32(9) + le32(9));
    const QByteArray before = fileBytes(file("Defaults.rtl"));
    openFromMenu(Powerball);
    const QStringList attempts[] = {{"1", "2", "3", "", "5", "6", "7", "8"},
                                    {"$50", "2", "3", "4", "5", "6", "7", "8"},
                                    {"1", "2", "3", "4", "5", "6", "7", "0"},
                                    {"1", "2", "3", "4", "5", "6", "7", "3000000000"}};
    const QString expected[] = {
        QStringLiteral("You must add amounts for each of the payouts!"),
        QStringLiteral("One or more of the values you entered is not in the correct format"),
        QStringLiteral("One or more of the values you entered is not in the correct format"),
        QStringLiteral("One or more of the values you entered is not in the correct format")};
    for (int i = 0; i < 4; ++i) {
        dialogs.clear();
        type(attempts[i]);
        press("Command2");
        ASSERT_EQ(dialogs.shown.size(), 1u) << i;
        EXPECT_EQ(dialogs.last(), expected[i]);
        EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Numbrava"));
        EXPECT_TRUE(screenOpen());
        EXPECT_FALSE(window->isEnabled());
        EXPECT_EQ(fileBytes(file("Defaults.rtl")), before);
    }
}

TEST_F(DefaultsScreen, CancelAndEscapeStoreNothing) {
    openFromMenu(Powerball);
    type({"1", "2", "3", "4", "5", "6", "7", "8"});
    press("Command1");
    EXPECT_FALSE(screenOpen());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(fileBytes(file("Defaults.rtl")), QByteArray());

    action("mnuDEfaults")->trigger();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("defaults") && w->isVisible())
            screen = w;
    ASSERT_TRUE(screenOpen());
    type({"1", "2", "3", "4", "5", "6", "7", "8"});
    QTest::keyClick(screen, Qt::Key_Escape);
    EXPECT_FALSE(screenOpen());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(fileBytes(file("Defaults.rtl")), QByteArray());
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
    type({"1", "2", "3", "4", "5", "6", "7", "8"});
    press("Command2");
    EXPECT_TRUE(other.isEnabled());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(fileBytes(file("MMDefaults.rtl")).size(), 32);
}
