#pragma once

#include <QDate>

namespace numbrava {

// Today's date and the time of day.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    // Seconds since midnight, with fractions.
    virtual double secondsSinceMidnight() const = 0;
};

class SystemClock : public Clock {
  public:
    QDate today() const override;
    double secondsSinceMidnight() const override;
};

} // namespace numbrava
