#include "printing/saved_printer_file.h"
#include "support/main_window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
class PrinterSelection : public MainWindowTest {
  protected:
    QByteArray printDat() const {
        QFile f(file(QStringLiteral("print.dat")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static QByteArray padded(const QByteArray& name) {
        return name + QByteArray(255 - name.size(), ' ');
    }
    bool printButtonsEnabled() const {
        const bool entries = child<QPushButton>("Command9")->isEnabled();
        EXPECT_EQ(entries, child<QPushButton>("Command10")->isEnabled());
        return entries;
    }
    // Opens Form11 from the File menu and returns it.
    QWidget* openForm11() {
        action("mnuprinterselect")->trigger();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("Form11") && w->isVisible())
                return w;
        ADD_FAILURE() << "Form11 did not open";
        return nullptr;
    }
    static QComboBox* combo(QWidget* form11) {
        return form11->findChild<QComboBox*>(QStringLiteral("Combo1"));
    }
    static QStringList items(QComboBox* box) {
        QStringList all;
        for (int i = 0; i < box->count(); ++i)
            all << box->itemText(i);
        return all;
    }
    static void clickClose(QWidget* form11) {
        form11->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    }
};
} // namespace

TEST_F(PrinterSelection, SavedPrinterThatIsInstalledIsCurrentAndPreselected) {
    printer.printers = {"Alpha", "Beta", "Gamma"};
    printer.settingsOf = {{"Beta", {1, 8}}};
    writeSavedPrinterName(folder(), QStringLiteral("Beta"));
    startWindow();

    EXPECT_TRUE(state.printerAvailable);
    EXPECT_TRUE(printButtonsEnabled());
    EXPECT_EQ(printer.current, QStringLiteral("Beta"));
    EXPECT_EQ(state.printSetting1, 1);
    EXPECT_EQ(state.printSetting2, 8);

    QWidget* form11 = openForm11();
    ASSERT_NE(form11, nullptr);
    EXPECT_EQ(form11->windowTitle(), QStringLiteral("Printer Selection"));
    EXPECT_EQ(form11->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
              QStringLiteral("Select Printer"));
    EXPECT_EQ(items(combo(form11)), QStringList({"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(combo(form11)->currentText(), QStringLiteral("Beta"));
    EXPECT_FALSE(window->isEnabled());
    clickClose(form11);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(PrinterSelection, WithoutPrintDatTheLastIsCurrentButForm11OffersTheFirst) {
    printer.printers = {"Alpha", "Beta"};
    printer.settingsOf = {{"Alpha", {2, 3}}, {"Beta", {1, 0}}};
    startWindow();
    EXPECT_EQ(printer.current, QStringLiteral("Beta"));
    EXPECT_TRUE(printButtonsEnabled());
    // Start-up only reads: the file is created empty and stays so.
    EXPECT_EQ(printDat(), QByteArray());

    QWidget* form11 = openForm11();
    ASSERT_NE(form11, nullptr);
    EXPECT_EQ(combo(form11)->currentText(), QStringLiteral("Alpha"));
    clickClose(form11);

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

    QWidget* form11 = openForm11();
    ASSERT_NE(form11, nullptr);
    EXPECT_EQ(items(combo(form11)), QStringList{"No Printers Installed"});
    EXPECT_EQ(combo(form11)->currentText(), QStringLiteral("No Printers Installed"));
    clickClose(form11);

    EXPECT_EQ(printDat(), padded("Alpha"));
    EXPECT_FALSE(state.printerAvailable);
    EXPECT_FALSE(printButtonsEnabled());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(PrinterSelection, APrinterChosenLaterEnablesThePrintButtonsAtOnce) {
    startWindow();
    ASSERT_FALSE(printButtonsEnabled());
    printer.printers = {"Added later"};

    QWidget* form11 = openForm11();
    ASSERT_NE(form11, nullptr);
    // The title bar closes the screen the same way as its button.
    form11->close();

    EXPECT_TRUE(state.printerAvailable);
    EXPECT_TRUE(printButtonsEnabled());
    EXPECT_EQ(printer.current, QStringLiteral("Added later"));
    EXPECT_EQ(printDat(), padded("Added later"));
}

TEST_F(PrinterSelection, APrinterGoneWhileForm11WasOpenIsNeitherChosenNorSaved) {
    printer.printers = {"Alpha", "Beta"};
    startWindow();
    QWidget* form11 = openForm11();
    ASSERT_NE(form11, nullptr);
    printer.printers = {"Beta"};
    clickClose(form11);
    EXPECT_EQ(printer.current, QStringLiteral("Beta"));
    EXPECT_EQ(printDat(), QByteArray());
}

TEST_F(PrinterSelection, AFailingPrinterSystemShowsNoPrintersAndSavesNothing) {
    printer.printers = {"Alpha"};
    printer.failing = true;
    startWindow();
    EXPECT_FALSE(printButtonsEnabled());

    QWidget* form11 = openForm11();
    ASSERT_NE(form11, nullptr);
    EXPECT_EQ(items(combo(form11)), QStringList{"No Printers Installed"});
    printer.failing = false; // comes back while the screen is open: still nothing to choose
    clickClose(form11);
    EXPECT_EQ(printDat(), QByteArray());
    EXPECT_FALSE(printButtonsEnabled());
}

TEST_F(PrinterSelection, APrintDatThatCannotBeWrittenIsReportedButThePrinterIsUsed) {
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("print.dat")));
    printer.printers = {"Alpha"};
    startWindow();
    ASSERT_TRUE(printButtonsEnabled());
    QWidget* form11 = openForm11();
    ASSERT_NE(form11, nullptr);
    clickClose(form11);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.last().contains(QStringLiteral("print.dat")))
        << dialogs.last().toStdString();
    EXPECT_EQ(printer.current, QStringLiteral("Alpha"));
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(PrinterSelection, ThePrintButtonsPrintTheEntriesAndTheWinningLines) {
    printer.printers = {"Alpha"};
    startWindow();
    auto* entries = child<QListWidget>("List1");
    auto* winning = child<QListWidget>("List2");
    entries->addItems({"03 12 25 33 41 MB 07", "05 06 07 08 09 MB 10"});
    winning->addItem("03 12 25 33 41 MB 07  Match 5+MB");
    const QString indent(16, QLatin1Char(' '));

    child<QPushButton>("Command9")->click();
    EXPECT_EQ(printer.lines, QStringList({"", "", "", indent + "03 12 25 33 41 MB 07",
                                          indent + "05 06 07 08 09 MB 10"}));
    printer.lines.clear();
    child<QPushButton>("Command10")->click();
    EXPECT_EQ(printer.lines,
              QStringList({"", "", "", indent + "03 12 25 33 41 MB 07  Match 5+MB"}));
    EXPECT_EQ(printer.documentsEnded, 2);
    EXPECT_EQ(printer.fontFamily, QStringLiteral("Courier"));

    winning->clear();
    child<QPushButton>("Command10")->click();
    EXPECT_EQ(dialogs.texts(), QStringList{"There is no list to print!"});
    EXPECT_EQ(printer.documentsEnded, 2);
}
