#pragma once

#include "data/entry_file.h"
#include "data/game.h"

#include <QDate>
#include <QString>

namespace numbrava {

// Asked before lines are added to or deleted from a wheel entry.
QString wheelModifyQuestion();
// Asked before a line of a wheel entry is edited.
QString wheelEditQuestion();

// Caption of the add screen for the kind of entry shown, e.g.
// "Powerball Entries for  5 JUL 2003" for a dated entry.
QString addScreenCaption(EntryKind kind, GameCode game, const QDate& entriesDate);

// What the main screen's entries frame says while it lists a standing or
// wheel entry file: "Standing Entry for Powerball", "Wheel 5-4-3 for Powerball".
QString fixedEntriesCaption(GameCode game, const QString& path);

} // namespace numbrava
