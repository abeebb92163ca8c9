#include "reading/core/reduction.h"

#include <cstdlib>

#include "services/calendar.h"

namespace reading {

namespace {
bool IsMaster(int n) { return n == 11 || n == 22; }
}  // namespace

int GetLetterValue(QChar letter) {
  const char16_t c = letter.unicode();
  if (c >= u'A' && c <= u'Z') return (c - u'A') % 9 + 1;
  return 0;
}

int GetLetterValue(const QString& letter) {
  if (letter.size() != 1) return 0;
  return GetLetterValue(letter.at(0));
}

int GetNameValue(const QString& name) {
  int total = 0;
  for (QChar c : name) total += GetLetterValue(c);
  return total;
}

int FirstAndLastStep(int n) {
  const QString text = QString::number(std::abs(n));
  if (text.size() < 2) return std::abs(n);
  return (text.front().unicode() - u'0') + (text.back().unicode() - u'0');
}

namespace {
// Steps 2 to 4 of the reduction, from a digit sum.
int ReduceFromSum(int s) {
  if (IsMaster(s)) return s;
  int t = FirstAndLastStep(s);
  if (t >= 10) t = FirstAndLastStep(t);
  return t;
}
}  // namespace

int ReduceNumber(int& n) {
  if (IsMaster(n)) return n;
  n = ReduceFromSum(DigitSum(n));
  return n;
}

int ReducedNumber(int n) { return ReduceNumber(n); }

int ReduceDigits(const QString& digits) { return ReduceFromSum(DigitSum(digits)); }

int ReduceDigitsOnce(const QString& digits) {
  const int s = DigitSum(digits);
  if (IsMaster(s)) return s;
  return FirstAndLastStep(s);
}

int GetMonthNumber(const QString& monthName) { return DigitSum(calendar::MonthNumber(monthName)); }

}  // namespace reading
