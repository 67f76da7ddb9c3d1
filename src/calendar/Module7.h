#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// Solar hijri (Persian) dates: every date the program writes comes from here.
// The routines keep no state and touch nothing but their arguments.
namespace Module7 {

struct SolarHijriDate {
    int year;
    int month; // 1..12; 0 when the day count lies beyond what an int year can hold
    int day;   // 1..31
};

// Day 0 of the count: 1 Farvardin 1332 = 21 March 1953.
inline constexpr int EpochYear = 1332;
QDate epochDate();

// The 33-year arithmetic rule: a year is leap when year mod 33 is one of
// 1, 5, 9, 13, 17, 22, 26, 30. It gives the published calendar's leap years
// from 1304, when the calendar became law, through at least 1479 (2100);
// earlier years follow the same rule. Takes the full year (1403, not 3).
bool IsSolarHijriLeapYear(int year);

// Year, month and day of the date `dayCount` days after 1 Farvardin 1332.
// Negative counts reach back before 1332 by the same rule; years before 1
// come out as 0, -1, ... (astronomical numbering).
SolarHijriDate SolarHijriFromDayCount(qint64 dayCount);

// The calendar date of `date` (its time of day is ignored) as text:
//   0  1402/05/09            (month and day padded to two digits)
//   1  9 <month> 1402
//   2  <weekday> 1402/5/9
//   3  <weekday> 9 <month> 1402
//   4  1402.5.9
// Any other style, an invalid date, or a date before year 1 gives empty text.
QString FormatSolarHijriDate(const QDateTime& date, int style = 0);

} // namespace Module7
