#pragma once

#include "ui/app_context.h"

#include <QStringList>

namespace numbrava {

// Before every job: Courier 10 and the chosen printer's page settings.
void preparePrinter(AppContext& context);

// One whole job under the busy cursor: preparePrinter, the lines as given, and
// the end of the document that sends it to the printer. A failing step is
// skipped and the next one still runs; nothing is reported.
void printDocument(AppContext& context, const QStringList& lines);

// The printout of a list as every Print button makes it: three empty lines,
// then each item indented by 16 blanks. An empty list is refused with
// "There is no list to print!". Printer failures are ignored step by step.
void printList(AppContext& context, const QStringList& items);

} // namespace numbrava
