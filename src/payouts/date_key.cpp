#include "payouts/date_key.h"

#include "data/dates.h"

namespace numbrava {

QString makedatekey(int day, int month, int year) {
    return makedatekey(day, month, QString::number(year));
}

QString makedatekey(int day, int month, const QString& yearText) {
    QString dayText = QString::number(day).trimmed();
    if (dayText.size() == 1)
        dayText.prepend(QLatin1Char('0'));
    QString year = yearText.trimmed();
    if (year.size() == 2)
        year.prepend(QStringLiteral("20"));
    return dayText + monthAbbrev(month) + year;
}

} // namespace numbrava
