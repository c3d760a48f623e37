#include "data/dates.h"

#include <algorithm>
#include <array>

namespace numbrava {

namespace {
const std::array<const char*, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                             "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

QString twoDigits(int n) {
    return n < 10 && n >= 0 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}
} // namespace

QString monthAbbrev(int month) {
    if (month < 1 || month > 12)
        return {};
    return QString::fromLatin1(kMonths[static_cast<size_t>(month - 1)]);
}

QString getstringdate(int year, int month, int day) {
    return QString::number(year) + twoDigits(month) + twoDigits(day);
}

long long sortableDateNumber(int year, int month, int day) {
    return getstringdate(year, month, day).toLongLong();
}

QString entryFileDatePart(int day, int month, int year) {
    return twoDigits(day) + monthAbbrev(month) + QString::number(year);
}

int weekdaySundayFirst(const QDate& date) {
    // Qt counts Monday = 1 ... Sunday = 7.
    return date.dayOfWeek() % 7 + 1;
}

bool isDrawDay(GameCode game, const QDate& date) {
    const auto& days = gameFormat(game, date).drawWeekdays;
    return std::find(days.begin(), days.end(), weekdaySundayFirst(date)) != days.end();
}

QDate dateFromDayMonthText(const QString& text) {
    const QStringList parts = text.trimmed().split(QLatin1Char('/'));
    if (parts.size() != 3)
        return {};
    bool dayOk = false, yearOk = false;
    const int day = parts[0].trimmed().toInt(&dayOk);
    const int year = parts[2].trimmed().toInt(&yearOk);
    int month = 0;
    for (int m = 1; m <= 12; ++m)
        if (parts[1].trimmed().compare(monthAbbrev(m), Qt::CaseInsensitive) == 0)
            month = m;
    if (!dayOk || !yearOk || month == 0)
        return {};
    return QDate(year, month, day);
}

} // namespace numbrava
