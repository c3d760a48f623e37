#include "entries/entry_texts.h"

#include "data/dates.h"
#include "data/number_text.h"

namespace numbrava {

QString wheelModifyQuestion() {
    return QStringLiteral("Modifying a wheel entry can change the guarantee of the wheel. Are you "
                          "sure you want to continue?");
}

QString wheelEditQuestion() {
    return QStringLiteral("Editing a wheel entry can change the guarantee of the wheel. Are you "
                          "sure you want to continue?");
}

QString addScreenCaption(EntryKind kind, GameCode game, const QDate& entriesDate) {
    switch (kind) {
    case EntryKind::Wheel:
        return QStringLiteral("Wheel Entry");
    case EntryKind::Standing:
        return QStringLiteral("Standing Entry");
    case EntryKind::Dated:
        break;
    }
    // Day and year keep the blank of their sign position.
    return gameInfo(game).name + QStringLiteral(" Entries for ") +
           withLeadingBlank(entriesDate.day()) + QLatin1Char(' ') +
           monthAbbrev(entriesDate.month()) + withLeadingBlank(entriesDate.year());
}

} // namespace numbrava
