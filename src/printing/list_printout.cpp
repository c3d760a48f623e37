#include "printing/list_printout.h"

#include "ui/busy_cursor.h"

#include <exception>

namespace numbrava {

namespace {
// A failing printer must neither stop the program nor the printout: the step
// is skipped and the next one tried, so a passing hiccup loses one line at most.
template <typename Step> void ignoringPrinterFailure(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}
} // namespace

void preparePrinter(AppContext& context) {
    ignoringPrinterFailure([&] { context.printer.setFont(QStringLiteral("Courier"), 10); });
    ignoringPrinterFailure([&] {
        context.printer.setPageSettings(context.state.printSetting1, context.state.printSetting2);
    });
}

void printList(AppContext& context, const QStringList& items, const QString& heading) {
    if (items.isEmpty()) {
        context.dialogs.message(QStringLiteral("There is no list to print!"));
        return;
    }
    QStringList lines(3, QString());
    const QString indent(16, QLatin1Char(' '));
    if (!heading.isEmpty())
        lines << indent + heading << QString();
    for (const QString& item : items)
        lines << indent + item;
    printDocument(context, lines);
}

QString listHeading(GameCode game, const QString& caption) {
    return isTodaysGame(game) ? caption : QString();
}

void printDocument(AppContext& context, const QStringList& lines) {
    const BusyCursor busy;
    preparePrinter(context);
    for (const QString& line : lines)
        ignoringPrinterFailure([&] { context.printer.printLine(line); });
    ignoringPrinterFailure([&] { context.printer.endDocument(); });
}

} // namespace numbrava
