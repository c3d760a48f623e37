#include "ui/date_picker.h"

#include "data/dates.h"

namespace numbrava {

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd MMMM yyyy"));
    setMinimumDate(QDate(1900, 1, 1));
    setMaximumDate(QDate(9999, 12, 31));
    connect(this, &QDateEdit::dateChanged, this, &DatePicker::changed);
}

bool DatePicker::setValueFromText(const QString& dayMonthYear) {
    const QDate parsed = dateFromDayMonthText(dayMonthYear);
    if (!parsed.isValid())
        return false;
    setDate(parsed);
    return true;
}

int DatePicker::weekday() const {
    return weekdaySundayFirst(date());
}

} // namespace numbrava
