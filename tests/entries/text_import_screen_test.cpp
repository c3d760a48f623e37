#include "support/main_window_fixture.h"
#include "ui/date_picker.h"

#include <QLineEdit>
#include <QPointer>

using namespace numbrava;
using namespace numbrava::testing;

class ImportScreen : public MainWindowTest {
  protected:
    QPointer<QWidget> screen;

    void TearDown() override { delete screen.data(); }

    void open() {
        startOn(Powerball);
        action("mnuImport")->trigger();
        screen = visibleScreen("Form30");
        ASSERT_NE(screen, nullptr);
    }
    QListWidget* list(const char* name) const { return control<QListWidget>(screen, name); }
    void choose(const char* name) {
        QListWidget* files = list("File1");
        files->setCurrentItem(
            files->findItems(QString::fromLatin1(name), Qt::MatchExactly).value(0));
    }
    bool importOffered() const {
        return !control<QPushButton>(screen, "Command3")->isHidden() &&
               control<QPushButton>(screen, "Command2")->isHidden();
    }
};

TEST_F(ImportScreen, ValidThreeLinesAreListedOnTheMainScreenAfterClose) {
    writeFileBytes(file("mine.txt"), "41 17 03 22 09 12\r\n05 04 03 02 01 42\r\n10 20 30 40 50 1");
    writeFileBytes(file("other.txt"), "");
    writeFileBytes(file("entries.lot"), "");
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Import Txt File"));
    EXPECT_EQ(modelTexts(list("File1")->model()), (QStringList{"mine.txt", "other.txt"}));
    clickOn(screen, "Command2");
    EXPECT_EQ(dialogs.texts(), QStringList{"You have not selected a file"});

    choose("mine.txt");
    EXPECT_EQ(modelTexts(list("List2")->model()).size(), 3);
    EXPECT_FALSE(importOffered());
    dialogs.clear();
    clickOn(screen, "Command2");
    EXPECT_TRUE(importOffered());
    clickOn(screen, "Command3");
    EXPECT_EQ(dialogs.texts(), (QStringList{"Entry Valid - click Import to create entry",
                                            "Entry imported succsessfully"}));
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("3"));
    clickOn(screen, "Command1");
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(rows("List1"), (QStringList{"03 09 17 22 41 PB 12", "01 02 03 04 05 PB 42",
                                          "10 20 30 40 50 PB 01"}));
}

TEST_F(ImportScreen, AChangeOfDateOrFileAsksForValidationAgain) {
    writeFileBytes(file("a.txt"), "01 02 03 04 05 06\n");
    writeFileBytes(file("b.txt"), "01 02 03 04 05 06\n");
    open();
    choose("a.txt");
    clickOn(screen, "Command2");
    ASSERT_TRUE(importOffered());
    control<DatePicker>(screen, "DTPicker1")->setValue(QDate(2003, 7, 9));
    EXPECT_FALSE(importOffered());
    clickOn(screen, "Command2");
    ASSERT_TRUE(importOffered());
    choose("b.txt");
    EXPECT_FALSE(importOffered());

    // An import for a date the main screen does not show leaves its list alone.
    clickOn(screen, "Command2");
    clickOn(screen, "Command3");
    EXPECT_EQ(dialogs.last(), QStringLiteral("Entry imported succsessfully"));
    EXPECT_EQ(EntryFile::countLines(file("PwrB09JUL2003.lot")), 1);
    screen->close();
    EXPECT_TRUE(rows("List1").isEmpty());
}
