#include "kabbalah/core/english_calendar.h"

#include "services/calendar.h"

namespace kabbalah {
int MonthOffset(int year, int month) {
  // Sakamoto's rule for the Gregorian calendar, Sunday = 0.
  static constexpr int kShift[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int y = year;
  if (month < 3) y -= 1;
  const int w = (y + y / 4 - y / 100 + y / 400 + kShift[month - 1] + 1) % 7;
  return w < 0 ? w + 7 : w;
}

int GetDayOfWeek(int year, const QString& month, int day) {
  const int m = calendar::MonthNumber(month);
  if (m == 0) return 0;
  const int s = day + MonthOffset(year, m);
  int r = (s - 1) % 7;
  if (r < 0) r += 7;
  return r + 1;
}
}  // namespace kabbalah
