#pragma once
// Dates: the Gregorian rules and the date text that the suite writes and reads.
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace calendar {
bool IsLeapYear(int year);                 // Gregorian: every 4th year, not centuries, but every 400th
int DaysInMonth(int month, int year);      // 0 for a month outside 1..12
bool IsValidDate(int day, int month, int year);

// "January" .. "December".
const QStringList& MonthNames();
// 1..12 for an exact month name, 0 otherwise.
int MonthNumber(const QString& name);

// The locale's short date format with a two-digit year widened to four digits.
QString ShortDateFormat(const QLocale& locale = QLocale::system());
QString ShortDateText(const QDate& date, const QLocale& locale = QLocale::system());
// An invalid date when the text is not a date in that format.
QDate ParseShortDate(const QString& text, const QLocale& locale = QLocale::system());
}  // namespace calendar
