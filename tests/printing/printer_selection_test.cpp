#include "printing/saved_printer_file.h"
#include "support/main_window_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
QByteArray padded(const QByteArray& name) {
    return name.isEmpty() ? QByteArray() : name + QByteArray(255 - name.size(), ' ');
}

struct Form11Case {
    const char* name;
    QStringList atStart, whenOpened, whenClosed; // printers installed at each step
    bool failingUntilOpened;                     // the printer system fails until then
    const char* saved;                           // in print.dat; nullptr: none, "/": a folder
    QString currentAtStart;
    QStringList offered; // the first is shown when print.dat names none of them
    QString currentAfter;
    QByteArray printDatAfter; // the name saved
};

void PrintTo(const Form11Case& c, std::ostream* os) {
    *os << c.name;
}

class PrinterSelection : public MainWindowTest, public ::testing::WithParamInterface<Form11Case> {
  protected:
    void TearDown() override { closeScreens("Form11"); }

    QByteArray printDat() const { return fileBytes(file("print.dat")); }
    bool printButtonsEnabled() const {
        const bool entries = child<QPushButton>("Command9")->isEnabled();
        EXPECT_EQ(entries, child<QPushButton>("Command10")->isEnabled());
        return entries;
    }
    QWidget* openForm11() {
        action("mnuprinterselect")->trigger();
        form11 = visibleScreen("Form11");
        EXPECT_NE(form11, nullptr);
        return form11;
    }
    QComboBox* combo() const { return control<QComboBox>(form11, "Combo1"); }
    QStringList offered() const { return modelTexts(combo()->model()); }
    std::pair<int, int> settings() const { return {state.printSetting1, state.printSetting2}; }

    QWidget* form11 = nullptr;
};
} // namespace

TEST_F(PrinterSelection, SavedPrinterThatIsInstalledIsCurrentAndPreselected) {
    printer.printers = {"Alpha", "Beta", "Gamma"};
    printer.settingsOf = {{"Alpha", {1, 3}}, {"Beta", {2, 8}}, {"Gamma", {5, 6}}};
    writeSavedPrinterName(folder(), QStringLiteral("Beta"));
    startWindow();
    EXPECT_TRUE(state.printerAvailable);
    EXPECT_TRUE(printButtonsEnabled());
    EXPECT_EQ(printer.current, QStringLiteral("Beta"));
    EXPECT_EQ(settings(), std::pair(2, 8));

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
    EXPECT_EQ(settings(), std::pair(5, 6));
}

// Start-up only reads print.dat (a missing one is created empty); closing
// Form11 makes the printer shown current and saves it, if it is still there.
TEST_P(PrinterSelection, ClosingForm11ChoosesAndSavesTheShownPrinter) {
    const Form11Case& c = GetParam();
    if (c.saved == QByteArray("/"))
        ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("print.dat")));
    else if (c.saved)
        writeSavedPrinterName(folder(), QString::fromLatin1(c.saved));
    printer.printers = c.atStart;
    printer.failing = c.failingUntilOpened;
    startWindow();
    EXPECT_EQ(printer.current, c.currentAtStart);
    EXPECT_EQ(printButtonsEnabled(), !c.currentAtStart.isEmpty());
    EXPECT_EQ(printDat(), c.saved == QByteArray("/") ? QByteArray() : padded(c.saved));

    printer.printers = c.whenOpened;
    ASSERT_NE(openForm11(), nullptr);
    EXPECT_EQ(offered(), c.offered);
    EXPECT_EQ(combo()->currentText(), c.offered.value(0));
    printer.failing = false;
    printer.printers = c.whenClosed;
    form11->close(); // the title bar closes the screen the same way as its button
    EXPECT_EQ(printer.current, c.currentAfter);
    EXPECT_EQ(printDat(), padded(c.printDatAfter));
    EXPECT_EQ(printButtonsEnabled(), !c.currentAfter.isEmpty());
    EXPECT_EQ(state.printerAvailable, !c.currentAfter.isEmpty());
    EXPECT_TRUE(window->isEnabled());
    // Only a print.dat that cannot be written is reported, naming it.
    EXPECT_EQ(dialogs.texts().filter("print.dat").size(), c.saved == QByteArray("/") ? 1 : 0);
    EXPECT_EQ(dialogs.shown.size(), c.saved == QByteArray("/") ? 1u : 0u);
}

const QStringList kAB{"Alpha", "Beta"}, kNone{"No Printers Installed"};

INSTANTIATE_TEST_SUITE_P(
    Cases, PrinterSelection,
    ::testing::Values(
        Form11Case{"NoPrintDat", kAB, kAB, kAB, false, nullptr, "Beta", kAB, "Alpha", "Alpha"},
        Form11Case{"NoPrinters", {}, {}, {}, false, "Alpha", "", kNone, "", "Alpha"},
        Form11Case{"AddedLater",
                   {},
                   {"Added"},
                   {"Added"},
                   false,
                   nullptr,
                   "",
                   {"Added"},
                   "Added",
                   "Added"},
        Form11Case{"GoneWhileOpen", kAB, kAB, {"Beta"}, false, nullptr, "Beta", kAB, "Beta", ""},
        // Back while Form11 is open: still nothing to choose.
        Form11Case{
            "FailingSystem", {"Alpha"}, {"Alpha"}, {"Alpha"}, true, nullptr, "", kNone, "", ""},
        // The printer is used even though print.dat refuses its name.
        Form11Case{"PrintDatAFolder",
                   {"Alpha"},
                   {"Alpha"},
                   {"Alpha"},
                   false,
                   "/",
                   "Alpha",
                   {"Alpha"},
                   "Alpha",
                   ""}),
    [](const auto& info) { return std::string(info.param.name); });

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
