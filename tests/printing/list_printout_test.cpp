#include "printing/list_printout.h"
#include "support/main_window_fixture.h"

using namespace numbrava;
using namespace numbrava::testing;

namespace {
class ListPrintout : public ::testing::Test, protected FakeServices {
  protected:
    const QString indent = QString(16, QLatin1Char(' '));
};
} // namespace

TEST_F(ListPrintout, ThreeEmptyLinesThenEveryItemIndentedBy16BlanksInCourier10) {
    state.printSetting1 = 2;
    state.printSetting2 = 7;
    printList(context, {"03 12 25 33 41 PB 07", " 1 Match 5+PB", ""});

    EXPECT_EQ(printer.lines, QStringList({"", "", "", indent + "03 12 25 33 41 PB 07",
                                          indent + " 1 Match 5+PB", indent}));
    EXPECT_EQ(printer.fontFamily, QStringLiteral("Courier"));
    EXPECT_EQ(printer.fontSize, 10);
    EXPECT_EQ(printer.settingsApplied, (std::vector<std::pair<int, int>>{{2, 7}}));
    EXPECT_EQ(printer.documentsEnded, 1);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass must go away";
}

TEST_F(ListPrintout, AnEmptyListIsRefusedAndNothingIsPrinted) {
    printList(context, {});
    EXPECT_EQ(dialogs.texts(), QStringList{"There is no list to print!"});
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Numbrava"));
    EXPECT_TRUE(printer.lines.isEmpty());
    EXPECT_TRUE(printer.settingsApplied.empty());
    EXPECT_EQ(printer.documentsEnded, 0);
}

TEST_F(ListPrintout, PrinterFailuresNeitherCrashNorComplainNorKeepTheHourglass) {
    printer.failOnLine = indent + "second"; // that line is skipped, the rest prints
    printList(context, {"first", "second", "third"});
    EXPECT_EQ(printer.lines, QStringList({"", "", "", indent + "first", indent + "third"}));
    EXPECT_EQ(printer.documentsEnded, 1);

    printer.lines.clear();
    printer.failing = true;
    printList(context, {"first"});
    EXPECT_TRUE(printer.lines.isEmpty());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
