#include "printing/list_printout.h"
#include "printing/printer_choice.h"
#include "printing/saved_printer_file.h"
#include "support/main_window_fixture.h"
#include "support/temp_folder.h"
#include "ui/qt_printer_service.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>

using namespace numbrava;
using namespace numbrava::testing;

// print.dat is one blank-filled 255-byte record: nothing of a longer old name stays; blanks around
// the name or zeros past a short file's end are not part of it. A missing one is created empty.
TEST(SavedPrinterFile, HoldsTheNameInOneBlankFilledRecordOf255BytesForTheNextStart) {
    TempFolder dir;
    const QString path = dir.filePath(QStringLiteral("print.dat"));
    const auto read = [&] { return readSavedPrinterName(dir.path()); };
    EXPECT_EQ(read(), QString());
    EXPECT_TRUE(QFile::exists(path));
    writeSavedPrinterName(dir.path(), QStringLiteral("Long printer name in the hall"));
    writeSavedPrinterName(dir.path(), QStringLiteral("Office_LaserJet"));
    EXPECT_EQ(fileBytes(path), QByteArray("Office_LaserJet") + QByteArray(255 - 15, ' '));
    EXPECT_EQ(read(), QStringLiteral("Office_LaserJet"));
    writeSavedPrinterName(dir.path(), QString(300, QLatin1Char('x')));
    EXPECT_EQ(fileBytes(path), QByteArray(255, 'x'));
    EXPECT_EQ(read(), QString(255, QLatin1Char('x')));
    writeFileBytes(path, QByteArray("   Kitchen  Printer") + QByteArray(236, ' '));
    EXPECT_EQ(read(), QStringLiteral("Kitchen  Printer"));
    writeFileBytes(path, QByteArray("Basement"));
    EXPECT_EQ(read(), QStringLiteral("Basement"));

    // Start-up chooses the saved printer, else the last one with a name.
    const struct {
        QStringList installed;
        const char* saved; // nullptr: print.dat missing
        QString current;   // empty: no printer available
    } cases[] = {{{"Alpha", "Beta", "Gamma"}, "Beta", "Beta"},
                 {{"Alpha", "Beta"}, "Alpha", "Alpha"}, // later ones do not override it
                 {{"Alpha", "Beta"}, "Gone", "Beta"},
                 {{"Alpha", "alpha", "Alpha 2"}, "alpha", "alpha"}, // exact names only
                 {{"Alpha", ""}, nullptr, "Alpha"}, // printers without a name are skipped
                 {{""}, nullptr, ""}};
    for (const auto& c : cases) {
        FakeServices f;
        f.state.installFolder = dir.path();
        if (QFile::remove(path); c.saved)
            writeSavedPrinterName(dir.path(), c.saved);
        f.printer.printers = c.installed;
        EXPECT_EQ(selectSavedPrinter(f.printer, f.state), !c.current.isEmpty())
            << c.current.toStdString();
        EXPECT_EQ(f.printer.current, c.current);
    }
}

namespace {
// A poppler tool's output. A missing tool fails rather than skips: the printout would go unchecked.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(60000) && process.exitCode() == 0)
        << tool.toStdString() << " failed or is missing (poppler-utils, bash scripts/setup.sh): "
        << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

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
        return form11 = visibleScreen("Form11");
    }
    QComboBox* combo() const { return control<QComboBox>(form11, "Combo1"); }
    std::pair<int, int> settings() const { return {state.printSetting1, state.printSetting2}; }

    QWidget* form11 = nullptr;
    const QString indent = QString(16, QLatin1Char(' '));
};
} // namespace

// Close is the default button (Enter in the list). An empty list is refused; others go 3 lines
// down, indented 16, Courier 10, current page settings. A failure neither complains nor stays busy.
TEST_F(PrinterSelection, SavedPrinterIsPreselectedAndThePrintButtonsUseTheChosenOne) {
    printer.printers = {"Alpha", "Beta", "Gamma"};
    printer.settingsOf = {{"Alpha", {1, 3}}, {"Beta", {2, 8}}, {"Gamma", {5, 6}}};
    writeSavedPrinterName(folder(), QStringLiteral("Beta"));
    startWindow();
    EXPECT_EQ(std::tuple(state.printerAvailable, printer.current, settings()),
              std::tuple(true, QStringLiteral("Beta"), std::pair(2, 8)));

    ASSERT_NE(openForm11(), nullptr);
    EXPECT_EQ(form11->windowTitle(), QStringLiteral("Printer Selection"));
    EXPECT_EQ(control<QGroupBox>(form11, "Frame1")->title(), QStringLiteral("Select Printer"));
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Beta"));
    EXPECT_FALSE(window->isEnabled());
    combo()->setCurrentIndex(2);
    QTest::keyClick(combo(), Qt::Key_Return);
    EXPECT_EQ(visibleScreen("Form11"), nullptr);
    EXPECT_EQ(printDat(), padded("Gamma"));
    EXPECT_EQ(settings(), std::pair(5, 6));

    child<QPushButton>("Command9")->click();
    child<QListWidget>("List1")->addItems({"03 12 25 33 41 MB 07", ""});
    child<QListWidget>("List2")->addItem("03 12 25 33 41 MB 07  Match 5+MB");
    child<QPushButton>("Command9")->click();
    child<QPushButton>("Command10")->click();
    EXPECT_EQ(printer.lines, QStringList({"", "", "", indent + "03 12 25 33 41 MB 07", indent, "",
                                          "", "", indent + "03 12 25 33 41 MB 07  Match 5+MB"}));
    EXPECT_EQ(std::pair(printer.fontFamily, printer.fontSize),
              std::pair(QStringLiteral("Courier"), 10));
    EXPECT_EQ(printer.settingsApplied, (std::vector<std::pair<int, int>>{{5, 6}, {5, 6}}));
    EXPECT_EQ(printer.documentsEnded, 2);
    EXPECT_EQ(dialogs.texts(), QStringList{"There is no list to print!"});
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Numbrava"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    printer.lines.clear();
    printer.failOnLine = indent + "second"; // that line is skipped, the rest prints
    printList(context, {"first", "second", "third"});
    EXPECT_EQ(printer.lines, QStringList({"", "", "", indent + "first", indent + "third"}));
    printer.lines.clear();
    printer.failing = true;
    printList(context, {"first"});
    EXPECT_TRUE(printer.lines.isEmpty());
    EXPECT_EQ(printer.documentsEnded, 3);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Start-up only reads print.dat; closing Form11 saves the shown printer as current, if still there.
TEST_P(PrinterSelection, ClosingForm11ChoosesAndSavesTheShownPrinter) {
    const Form11Case& c = GetParam();
    const bool folderInPlace = c.saved == QByteArray("/");
    if (folderInPlace)
        ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("print.dat")));
    else if (c.saved)
        writeSavedPrinterName(folder(), QString::fromLatin1(c.saved));
    printer.printers = c.atStart;
    printer.failing = c.failingUntilOpened;
    startWindow();
    EXPECT_EQ(printer.current, c.currentAtStart);
    EXPECT_EQ(printButtonsEnabled(), !c.currentAtStart.isEmpty());
    EXPECT_EQ(printDat(), folderInPlace ? QByteArray() : padded(c.saved));

    printer.printers = c.whenOpened;
    ASSERT_NE(openForm11(), nullptr);
    EXPECT_EQ(modelTexts(combo()->model()), c.offered);
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
    EXPECT_EQ(dialogs.texts().filter("print.dat").size(), folderInPlace ? 1 : 0);
    EXPECT_EQ(dialogs.shown.size(), folderInPlace ? 1u : 0u);
}

const QStringList kA{"Alpha"}, kAB{"Alpha", "Beta"}, kNew{"New"}, kNone{"No Printers Installed"};

INSTANTIATE_TEST_SUITE_P(
    Cases, PrinterSelection,
    ::testing::Values(
        Form11Case{"NoPrintDat", kAB, kAB, kAB, false, nullptr, "Beta", kAB, "Alpha", "Alpha"},
        Form11Case{"NoPrinters", {}, {}, {}, false, "Alpha", "", kNone, "", "Alpha"},
        Form11Case{"AddedLater", {}, kNew, kNew, false, nullptr, "", kNew, "New", "New"},
        Form11Case{"GoneWhileOpen", kAB, kAB, {"Beta"}, false, nullptr, "Beta", kAB, "Beta", ""},
        // Back while Form11 is open: still nothing to choose.
        Form11Case{"FailingSystem", kA, kA, kA, true, nullptr, "", kNone, "", ""},
        // The printer is used even though print.dat refuses its name.
        Form11Case{"PrintDatAFolder", kA, kA, kA, false, "/", "Alpha", kA, "Alpha", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A real PDF round trip: page settings arrive, lines in order over pages, each job afresh.
TEST(PdfPrintout, EveryLineIsPrintedInOrderOverPagesWithThePageSettings) {
    QTemporaryDir dir;
    const QString pdf = dir.path() + QStringLiteral("/list.pdf");
    QtPrinterService printer{pdf};
    FakeServices fakes;
    AppContext context{fakes.state, fakes.dialogs, printer, fakes.sound, fakes.clock, fakes.random};
    const QString before = printer.currentPrinter();
    EXPECT_FALSE(printer.selectPrinter(QStringLiteral("No such printer 7f3a")));
    EXPECT_FALSE(printer.selectPrinter(QString()));
    EXPECT_EQ(printer.currentPrinter(), before);
    printList(context, {"first job line"});
    fakes.state.printSetting1 = QPageLayout::Landscape;
    fakes.state.printSetting2 = QPageSize::A5;
    QStringList lines;
    for (int i = 1; i <= 120; ++i)
        lines << QStringLiteral("%1 03 12 25 33 41 PB").arg(i, 4, 10, QLatin1Char('0'));
    printList(context, lines);
    EXPECT_EQ(printer.pageSetting1(), QPageLayout::Landscape);
    EXPECT_EQ(printer.pageSetting2(), QPageSize::A5);

    const QString printed = popplerOutput("pdftotext", {"-layout", pdf, "-"});
    qsizetype from = 0;
    for (const QString& line : lines) {
        const qsizetype at = printed.indexOf(line, from);
        ASSERT_GE(at, 0) << "missing or out of order: " << line.toStdString();
        from = at + line.size();
    }
    EXPECT_FALSE(printed.contains(QStringLiteral("first job line")));
    // 10-point lines: a landscape A5 page holds some dozens of them.
    const QString info = popplerOutput("pdfinfo", {pdf});
    const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
    EXPECT_TRUE(pages >= 3 && pages <= 6) << pages;
    EXPECT_EQ(printed.count(QLatin1Char('\f')), pages);
    const auto size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(info);
    EXPECT_NEAR(size.captured(1).toDouble(), 595.3, 1.0);
    EXPECT_NEAR(size.captured(2).toDouble(), 419.5, 1.0);
}
