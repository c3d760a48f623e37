#pragma once

#include <QString>
#include <QStringList>

namespace numbrava {

// What the cover sheet of a wheel tells, as the wheel screen shows it.
struct WheelCoverSheet {
    QString gameName;        // "Powerball"
    QString guaranteeLine;   // the type's printed guarantee
    QStringList boxTexts;    // the shown number boxes, in box order
    QString groupSize;       // the "No of Balls" item
    QString entriesRequired; // the "Entries Required" box
    QString entryFileName;   // "PwrB-5-4-3.lot"
};

// The printed lines of the cover sheet. A box holding a number prints as the
// whole number; any other box text prints as it stands.
QStringList coverSheetLines(const WheelCoverSheet& sheet);

} // namespace numbrava
