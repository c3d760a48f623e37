#include "entries/entry_texts.h"

#include "data/dates.h"
#include "data/number_text.h"

#include <QFileInfo>

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

QString fixedEntriesCaption(GameCode game, const QString& path) {
    const QString of = QStringLiteral(" for ") + gameInfo(game).name;
    if (entryKindOf(path) == EntryKind::Standing)
        return QStringLiteral("Standing Entry") + of;
    // "PwrB-5-4-3.lot": the wheel's tag follows the game's prefix.
    const QString name = QFileInfo(path).completeBaseName();
    return QStringLiteral("Wheel ") + name.mid(name.indexOf(QLatin1Char('-')) + 1) + of;
}

} // namespace numbrava
