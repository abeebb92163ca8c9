#pragma once
// The weekday of a birth date in the Gregorian calendar.
#include <QString>

namespace kabbalah {
// Weekday number 1..7 with Sunday = 1 of day `day` of `month` ("January".."December")
// in `year`. A day past the end of its month counts on from the first of that month
// (29 February 1900 gives the weekday of 1 March 1900). An unknown month name gives 0.
int GetDayOfWeek(int year, const QString& month, int day);

// Weekday of the first day of the month, Sunday = 0 .. Saturday = 6 (month 1..12).
int MonthOffset(int year, int month);
}  // namespace kabbalah
