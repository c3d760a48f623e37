#include "wheels/wheel_cover_sheet.h"

#include "data/number_text.h"

#include <cmath>

namespace numbrava {

namespace {
QString printedBox(const QString& text) {
    bool isNumber = false;
    const double value = text.trimmed().toDouble(&isNumber);
    if (!isNumber || !(std::abs(value) < 1e15)) // no whole number to print
        return text;
    return asWritten(static_cast<long long>(roundHalfEven(value)));
}
} // namespace

QStringList coverSheetLines(const WheelCoverSheet& sheet) {
    QString numbers;
    for (const QString& text : sheet.boxTexts)
        numbers += printedBox(text) + QLatin1Char(' ');
    return {QString(),
            QString(),
            QStringLiteral("Wheel for ") + sheet.gameName,
            QString(44, QLatin1Char('-')),
            sheet.guaranteeLine,
            QString(),
            numbers,
            QString(60, QLatin1Char('-')),
            QString(),
            QStringLiteral("Number of Balls is ") + sheet.groupSize,
            QString(),
            QStringLiteral("Number of game entries required for coverage is ") +
                sheet.entriesRequired,
            QString(),
            QStringLiteral("File Maintenance Name: ") + sheet.entryFileName};
}

} // namespace numbrava
