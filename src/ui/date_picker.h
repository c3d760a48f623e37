#pragma once

#include <QDateEdit>

namespace numbrava {

// A date control with a drop-down calendar. It tells day, month, year and the
// weekday with Sunday = 1, takes its value from texts like "05/JUL/2003", and
// raises changed() after every change of value, by the user or the program.
class DatePicker : public QDateEdit {
    Q_OBJECT
  public:
    explicit DatePicker(QWidget* parent = nullptr);

    QDate value() const { return date(); }
    void setValue(const QDate& date) { setDate(date); }
    // False (and no change) when the text is not a date.
    bool setValueFromText(const QString& dayMonthYear);

    int day() const { return date().day(); }
    int month() const { return date().month(); }
    int year() const { return date().year(); }
    int weekday() const;

  signals:
    void changed();
};

} // namespace numbrava
