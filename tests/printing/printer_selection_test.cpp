#include "printing/saved_printer_file.h"
#include "support/main_window_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
QByteArray padded(const QByteArray& name) {
    return name + QByteArray(255 - name.size(), ' ');
}

class PrinterSelection : public MainWindowTest {
  protected:
    void TearDown() override { closeScreens("Form11"); }

    QByteArray printDat() const { return fileBytes(file("print.dat")); }
    bool printButtonsEnabled() const {
        const bool entries = child<QPushButton>("Command9")->isEnabled();
        EXPECT_EQ(entries, child<QPushButton>("Command10")->isEnabled());
        return entries;
    }
    // Opens Form11 from the File menu.
    QWidget* openForm11() {
        action("mnuprinterselect")->trigger();
        form11 = visibleScreen("Form11");
        EXPECT_NE(form11, nullptr);
        return form11;
    }
    QComboBox* combo() const { return control<QComboBox>(form11, "Combo1"); }
    QStringList offered() const { return modelTexts(combo()->model()); }

    QWidget* form11 = nullptr;
};
} // namespace

TEST_F(PrinterSelection, SavedPrinterThatIsInstalledIsCurrentAndPreselected) {
    printer.printers = {"Alpha", "Beta", "Gamma"};
    printer.settingsOf = {{"Alpha", {1, 3}}, {"Beta", {2, 8}}};
    writeSavedPrinterName(folder(), QStringLiteral("Beta"));
    startWindow();

    EXPECT_TRUE(state.printerAvailable);
    EXPECT_TRUE(printButtonsEnabled());
    EXPECT_EQ(printer.current, QStringLiteral("Beta"));
    EXPECT_EQ(state.printSetting1, 2);
    EXPECT_EQ(state.printSetting2, 8);

    ASSERT_NE(openForm11(), nullptr);
    EXPECT_EQ(form11->windowTitle(), QStringLiteral("Printer Selection"));
    EXPECT_EQ(control<QGroupBox>(form11, "Frame1")->title(), QStringLiteral("Select Printer"));
    EXPECT_EQ(offered(), QStringList({"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Beta"));
    EXPECT_FALSE(window->isEnabled());
    // Close is the default button: Enter in the list of printers presses it.
    combo()->setCurrentIndex(2);
    QTest::keyClick(combo(), Qt::Key_Return);
    EXPECT_EQ(visibleScreen("Form11"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(printDat(), padded("Gamma"));
}

TEST_F(PrinterSelection, WithoutPrintDatTheLastIsCurrentButForm11OffersTheFirst) {
    printer.printers = {"Alpha", "Beta"};
    printer.settingsOf = {{"Alpha", {2, 3}}, {"Beta", {1, 0}}};
    startWindow();
    EXPECT_EQ(printer.current, QStringLiteral("Beta"));
    EXPECT_TRUE(printButtonsEnabled());
    // Start-up only reads: the file is created empty and stays so.
    EXPECT_EQ(printDat(), QByteArray());

    ASSERT_NE(openForm11(), nullptr);
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Alpha"));
    clickOn(form11, "Command1");

    EXPECT_EQ(printer.current, QStringLiteral("Alpha"));
    EXPECT_EQ(state.printSetting1, 2);
    EXPECT_EQ(state.printSetting2, 3);
    EXPECT_EQ(printDat(), padded("Alpha"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PrinterSelection, WithoutPrintersThePrintButtonsAreOffAndCloseSavesNothing) {
    writeSavedPrinterName(folder(), QStringLiteral("Alpha"));
    startWindow();
    EXPECT_FALSE(state.printerAvailable);
    EXPECT_FALSE(printButtonsEnabled());

    ASSERT_NE(openForm11(), nullptr);
    EXPECT_EQ(offered(), QStringList{"No Printers Installed"});
    EXPECT_EQ(combo()->currentText(), QStringLiteral("No Printers Installed"));
    clickOn(form11, "Command1");

    EXPECT_EQ(printDat(), padded("Alpha"));
    EXPECT_FALSE(state.printerAvailable);
    EXPECT_FALSE(printButtonsEnabled());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(PrinterSelection, APrinterChosenLaterEnablesThePrintButtonsAtOnce) {
    startWindow();
    ASSERT_FALSE(printButtonsEnabled());
    printer.printers = {"Added later"};
    ASSERT_NE(openForm11(), nullptr);
    form11->close(); // the title bar closes the screen the same way as its button
    EXPECT_TRUE(state.printerAvailable);
    EXPECT_TRUE(printButtonsEnabled());
    EXPECT_EQ(printer.current, QStringLiteral("Added later"));
    EXPECT_EQ(printDat(), padded("Added later"));
}

TEST_F(PrinterSelection, APrinterGoneWhileForm11WasOpenIsNeitherChosenNorSaved) {
    printer.printers = {"Alpha", "Beta"};
    startWindow();
    ASSERT_NE(openForm11(), nullptr);
    printer.printers = {"Beta"};
    clickOn(form11, "Command1");
    EXPECT_EQ(printer.current, QStringLiteral("Beta"));
    EXPECT_EQ(printDat(), QByteArray());
}

TEST_F(PrinterSelection, AFailingPrinterSystemShowsNoPrintersAndSavesNothing) {
    printer.printers = {"Alpha"};
    printer.failing = true;
    startWindow();
    EXPECT_FALSE(printButtonsEnabled());
    ASSERT_NE(openForm11(), nullptr);
    EXPECT_EQ(offered(), QStringList{"No Printers Installed"});
    printer.failing = false; // comes back while the screen is open: still nothing to choose
    clickOn(form11, "Command1");
    EXPECT_EQ(printDat(), QByteArray());
    EXPECT_FALSE(printButtonsEnabled());
}

TEST_F(PrinterSelection, APrintDatThatCannotBeWrittenIsReportedButThePrinterIsUsed) {
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("print.dat")));
    printer.printers = {"Alpha"};
    startWindow();
    ASSERT_NE(openForm11(), nullptr);
    clickOn(form11, "Command1");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("print.dat")))
        << dialogs.last().toStdString();
    EXPECT_EQ(printer.current, QStringLiteral("Alpha"));
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(PrinterSelection, ThePrintButtonsPrintTheEntriesAndTheWinningLines) {
    printer.printers = {"Alpha"};
    startWindow();
    child<QListWidget>("List1")->addItems({"03 12 25 33 41 MB 07", "05 06 07 08 09 MB 10"});
    child<QListWidget>("List2")->addItem("03 12 25 33 41 MB 07  Match 5+MB");
    const QString indent(16, QLatin1Char(' '));

    child<QPushButton>("Command9")->click();
    child<QPushButton>("Command10")->click();
    EXPECT_EQ(printer.lines, QStringList({"", "", "", indent + "03 12 25 33 41 MB 07",
                                          indent + "05 06 07 08 09 MB 10", "", "", "",
                                          indent + "03 12 25 33 41 MB 07  Match 5+MB"}));
    EXPECT_EQ(printer.documentsEnded, 2);
}
