#pragma once

#include "data/game.h"

#include <QDate>
#include <QString>

namespace numbrava {

// 1..12 -> "JAN".."DEC"; anything else -> empty text.
QString monthAbbrev(int month);

// Sortable date text: year as written, month and day with a leading 0 below 10.
// Argument order is year, month, day.
QString getstringdate(int year, int month, int day);

// The same as a number, for ordering draws.
long long sortableDateNumber(int year, int month, int day);

// "05JUL2003": the date part of a dated entry file name.
QString entryFileDatePart(int day, int month, int year);

// Weekday with Sunday = 1 ... Saturday = 7.
int weekdaySundayFirst(const QDate& date);

bool isDrawDay(GameCode game, const QDate& date);

// Reads "05/JUL/2003" (day / three-letter month / year); invalid on failure.
QDate dateFromDayMonthText(const QString& text);

} // namespace numbrava
