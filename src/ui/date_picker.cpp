#include "ui/date_picker.h"

#include "data/dates.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

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

// While a whole date is typed, any text may stand until it is taken or refused.
QValidator::State DatePicker::validate(QString& input, int& pos) const {
    return typing_ ? QValidator::Intermediate : QDateEdit::validate(input, pos);
}

// The sections take typing one at a time, and over a whole selection they
// drop what does not fit the first section: "27 August 2005" became another
// day. A character typed over the whole text starts a date typed whole.
bool DatePicker::startsTypingOver(const QKeyEvent* event) const {
    const QString typed = event->text();
    return !typed.isEmpty() && typed.at(0).isLetterOrNumber() &&
           !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) &&
           lineEdit()->hasSelectedText() && lineEdit()->selectedText() == lineEdit()->text();
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
    if (!typing_ && startsTypingOver(event)) {
        typing_ = true;
        // The sections put their text back at every move of the cursor: the
        // line edit keeps quiet until the typed date is taken or refused.
        lineEdit()->blockSignals(true);
        lineEdit()->setText(event->text()); // in place of the whole text
        return;
    }
    if (!typing_) {
        QDateEdit::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        finishTyping();
        lineEdit()->selectAll();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        finishTyping();
        QDateEdit::keyPressEvent(event);
        return;
    default:
        // Past the sections: the text is edited as plain text.
        QAbstractSpinBox::keyPressEvent(event);
    }
}

void DatePicker::focusOutEvent(QFocusEvent* event) {
    if (typing_)
        finishTyping();
    QDateEdit::focusOutEvent(event);
}

void DatePicker::finishTyping() {
    typing_ = false;
    lineEdit()->blockSignals(false);
    const QString typed = lineEdit()->text().simplified();
    // The display's own form, also with a one-digit day, or the results list's "05/JUL/2003".
    QDate date = locale().toDate(
        typed, QString(displayFormat()).replace(QStringLiteral("dd"), QStringLiteral("d")));
    if (!date.isValid())
        date = dateFromDayMonthText(typed);
    if (date.isValid() && date >= minimumDate() && date <= maximumDate()) {
        setDate(date); // also shows it in the display's form when it is the date kept
        return;
    }
    setDate(this->date()); // shows the date kept
    QToolTip::showText(mapToGlobal(rect().bottomLeft()),
                       QStringLiteral("\"%1\" is not a date. Type it as %2.")
                           .arg(typed, locale().toString(this->date(), displayFormat())),
                       this);
}

} // namespace numbrava
