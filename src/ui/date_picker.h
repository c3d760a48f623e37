#pragma once

#include <QDateEdit>

namespace numbrava {

// A date control with a drop-down calendar. It tells day, month, year and the
// weekday with Sunday = 1, takes its value from texts like "05/JUL/2003", and
// raises changed() after every change of value, by the user or the program.
// Typing over the whole text enters a date as a whole ("27 August 2005" or
// "27/AUG/2005"), taken on Enter or on leaving the control; a text that is no
// date is refused with a word and the date stays as it was.
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

    QValidator::State validate(QString& input, int& pos) const override;

  signals:
    void changed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool startsTypingOver(const QKeyEvent* event) const;
    void finishTyping();

    bool typing_ = false; // a whole date is being typed over the text
};

} // namespace numbrava
