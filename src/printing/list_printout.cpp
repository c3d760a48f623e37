#include "printing/list_printout.h"

#include "ui/busy_cursor.h"

#include <exception>

namespace numbrava {

void preparePrinter(AppContext& context) {
    context.printer.setFont(QStringLiteral("Courier"), 10);
    context.printer.setPageSettings(context.state.printSetting1, context.state.printSetting2);
}

void printList(AppContext& context, const QStringList& items) {
    if (items.isEmpty()) {
        context.dialogs.message(QStringLiteral("There is no list to print!"));
        return;
    }
    const BusyCursor busy;
    try {
        preparePrinter(context);
        for (int i = 0; i < 3; ++i)
            context.printer.printLine(QString());
        const QString indent(16, QLatin1Char(' '));
        for (const QString& item : items)
            context.printer.printLine(indent + item);
        context.printer.endDocument();
    } catch (const std::exception&) {
        // A failing printer must not stop the program; the job is simply lost.
    }
}

} // namespace numbrava
