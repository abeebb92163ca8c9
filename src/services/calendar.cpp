#include "services/calendar.h"

#include <QRegularExpression>

namespace calendar {
bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

bool IsValidDate(int day, int month, int year) {
  return day >= 1 && day <= DaysInMonth(month, year);
}

const QStringList& MonthNames() {
  static const QStringList names = {"January", "February", "March",     "April",   "May",      "June",
                                    "July",    "August",   "September", "October", "November", "December"};
  return names;
}

int MonthNumber(const QString& name) { return static_cast<int>(MonthNames().indexOf(name)) + 1; }

QString ShortDateFormat(const QLocale& locale) {
  QString format = locale.dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy")))
    format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
  return format;
}

QString ShortDateText(const QDate& date, const QLocale& locale) {
  return locale.toString(date, ShortDateFormat(locale));
}

QDate ParseShortDate(const QString& text, const QLocale& locale) {
  if (text.isEmpty()) return {};
  const QDate date = locale.toDate(text, ShortDateFormat(locale));
  // The year field also takes a sign ("-1967"); no date the suite writes has a year before 1.
  if (date.isValid() && date.year() < 1) return {};
  return date;
}
}  // namespace calendar
