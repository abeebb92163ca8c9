#include "services/digits.h"

int DigitSum(const QString& text) {
  int sum = 0;
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') sum += u - u'0';
  }
  return sum;
}

int DigitSum(qint64 n) {
  // The magnitude as unsigned: |n| of the smallest value does not fit in qint64.
  quint64 v = n < 0 ? 0 - quint64(n) : quint64(n);
  int sum = 0;
  for (; v > 0; v /= 10) sum += int(v % 10);
  return sum;
}
