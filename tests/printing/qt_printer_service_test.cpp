#include "printing/list_printout.h"
#include "support/main_window_fixture.h"
#include "ui/qt_printer_service.h"

#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace numbrava;
using namespace numbrava::testing;

namespace {
// Runs one of the poppler tools on the PDF and returns what it prints. A
// missing tool is a failure, not a skip: the printout would go unchecked.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(60000) && process.exitCode() == 0)
        << tool.toStdString() << " failed or is missing (poppler-utils, bash scripts/setup.sh): "
        << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

// One round trip through a real PDF: the page settings reach the printer,
// every line arrives in order over several pages, each job starts afresh.
TEST(PdfPrintout, EveryLineIsPrintedInOrderOverPagesWithThePageSettings) {
    QTemporaryDir dir;
    const QString pdf = dir.path() + QStringLiteral("/list.pdf");
    QtPrinterService printer{pdf};
    FakeServices fakes;
    AppContext context{fakes.state, fakes.dialogs, printer, fakes.sound, fakes.clock, fakes.random};
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
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 6);
    EXPECT_EQ(printed.count(QLatin1Char('\f')), pages);
    const auto size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(info);
    EXPECT_NEAR(size.captured(1).toDouble(), 595.3, 1.0);
    EXPECT_NEAR(size.captured(2).toDouble(), 419.5, 1.0);
}

TEST(QtPrinters, AnUnknownPrinterCannotBeSelected) {
    QtPrinterService printer;
    const QString before = printer.currentPrinter();
    EXPECT_FALSE(printer.selectPrinter(QStringLiteral("No such printer 7f3a")));
    EXPECT_FALSE(printer.selectPrinter(QString()));
    EXPECT_EQ(printer.currentPrinter(), before);
}
