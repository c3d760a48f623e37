#pragma once

#include "ui/app_context.h"

#include <QStringList>

namespace numbrava {

// Before every job: Courier 10 and the chosen printer's page settings.
void preparePrinter(AppContext& context);

// The printout of a list as every Print button makes it: three empty lines,
// then each item indented by 16 blanks. An empty list is refused with
// "There is no list to print!". Printer failures are ignored.
void printList(AppContext& context, const QStringList& items);

} // namespace numbrava
