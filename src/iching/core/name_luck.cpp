#include "iching/core/name_luck.h"

#include <algorithm>

namespace iching {
const std::array<int, 35> LuckyLengths = {1,  3,  5,  6,  7,  8,  11, 13, 15, 16, 17, 18,
                                          21, 23, 24, 25, 29, 31, 32, 33, 35, 37, 39, 41,
                                          45, 47, 48, 52, 57, 63, 65, 67, 68, 73, 81};
const std::array<int, 10> ModeratelyLuckyLengths = {38, 51, 55, 58, 61, 71, 72, 75, 77, 78};
const std::array<int, 36> NotVeryLuckyLengths = {2,  4,  9,  10, 12, 14, 19, 20, 22, 26, 27, 28,
                                                 30, 34, 36, 40, 42, 43, 44, 46, 49, 50, 53, 54,
                                                 56, 59, 60, 62, 64, 66, 69, 70, 74, 76, 79, 80};

namespace {
template <std::size_t N>
bool contains(const std::array<int, N>& list, int count) {
  return std::find(list.begin(), list.end(), count) != list.end();
}
}  // namespace

QString LuckVerdict(int count) {
  if (contains(LuckyLengths, count)) return kLucky;
  if (contains(ModeratelyLuckyLengths, count)) return kModeratelyLucky;
  if (contains(NotVeryLuckyLengths, count)) return kNotVeryLucky;
  return QString();
}

QString LuckySuggestionList(int limit) {
  QString list;
  for (int n : LuckyLengths)
    if (n <= limit) list += QLatin1Char(' ') + QString::number(n);
  return list;
}

QString NameInCapitals(const QString& name) {
  QString upper = name;
  for (QChar& c : upper) c = c.toUpper();
  return upper;
}

NameLuck ComputeNameLuckDetail(const QString& first, const QString& middle, const QString& last) {
  NameLuck r;
  // Counts in int: names of any length are rated (beyond 81 the verdict is empty).
  const int f = int(first.length());
  const int m = int(middle.length());
  const int l = int(last.length());
  r.NameLengths = {f, m, l, f + 1, f + l, m + l, f + m + l};
  for (int i = 0; i < 7; ++i) {
    r.LuckVerdicts[i] = LuckVerdict(r.NameLengths[i]);
    if (r.LuckVerdicts[i] != kLucky) r.SuggestionsNeeded = true;
  }
  if (r.SuggestionsNeeded) {
    if (!middle.isEmpty()) {
      r.FirstNameSuggestions = LuckySuggestionList(40);
    } else {
      r.FirstNameSuggestions = LuckySuggestionList(26);
      r.MiddleNameSuggestions = LuckySuggestionList(26);
    }
  }
  r.lines = {
      QStringLiteral("First Name is ") + NameInCapitals(first) + QLatin1Char(' ') + r.LuckVerdicts[0],
      middle.isEmpty() ? QStringLiteral("Middle Name is Absent")
                       : QStringLiteral("Middle Name is ") + NameInCapitals(middle) + QLatin1Char(' ') +
                             r.LuckVerdicts[1],
      QStringLiteral("Last Name is ") + NameInCapitals(last) + QLatin1Char(' ') + r.LuckVerdicts[2],
      QStringLiteral("First Name + 1 is ") + r.LuckVerdicts[3],
      QStringLiteral("First Name + Last Name is ") + r.LuckVerdicts[4],
      QStringLiteral("Middle Name + Last Name is ") + r.LuckVerdicts[5],
      QStringLiteral("First Name + Middle Name + Last Name is ") + r.LuckVerdicts[6],
      QStringLiteral("Probable Lucky Number for First Name are ") + r.FirstNameSuggestions,
      r.MiddleNameSuggestions.isEmpty()
          ? QString()
          : QStringLiteral("Probable Lucky Number for Middle Name are ") + r.MiddleNameSuggestions,
  };
  return r;
}

QStringList ComputeNameLuck(const QString& first, const QString& middle, const QString& last) {
  return ComputeNameLuckDetail(first, middle, last).lines;
}
}  // namespace iching
