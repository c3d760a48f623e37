#pragma once

#include "data/game.h"
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
// then each item indented by 16 blanks. A heading, when given, stands
// indented after the empty lines with one empty line below it. An empty list
// is refused with "There is no list to print!". Printer failures are ignored
// step by step.
void printList(AppContext& context, const QStringList& items, const QString& heading = {});

// The heading of a printed list of a game: today's games' lines look like
// those of the games of 2002-2005, so their printouts name the list and the
// game (the caption); the old games' printouts stay without one.
QString listHeading(GameCode game, const QString& caption);

} // namespace numbrava
