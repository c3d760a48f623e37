#pragma once

#include <QString>

namespace numbrava {

// The nine-character key DDMMMYYYY of a draw date ("05JUL2003") that names an
// actual payout table. A one-character day gets a leading 0 and a
// two-character year gets "20" in front; other years are used as written.
QString makedatekey(int day, int month, int year);

// The same with the year as text, as a date picker or a typed box gives it.
QString makedatekey(int day, int month, const QString& yearText);

} // namespace numbrava
