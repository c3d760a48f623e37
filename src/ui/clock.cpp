#include "ui/clock.h"

#include <QDateTime>

namespace numbrava {

QDate SystemClock::today() const {
    return QDate::currentDate();
}

double SystemClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

} // namespace numbrava
