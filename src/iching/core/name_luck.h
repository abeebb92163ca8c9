#pragma once
// Name luck by letter counts: each count of a name part (or of a combination of parts)
// is rated against the fixed table of the numbers 1 to 81.
#include <QString>
#include <QStringList>
#include <array>

namespace iching {
// The luck table: together the three lists hold every number from 1 to 81 exactly once.
// The stored order of LuckyLengths is the order of the suggestion lists.
extern const std::array<int, 35> LuckyLengths;
extern const std::array<int, 10> ModeratelyLuckyLengths;
extern const std::array<int, 36> NotVeryLuckyLengths;

inline const QString kLucky = QStringLiteral("Lucky");
inline const QString kModeratelyLucky = QStringLiteral("Moderately Lucky");
inline const QString kNotVeryLucky = QStringLiteral("Not Very Lucky");

// "Lucky", "Moderately Lucky" or "Not Very Lucky"; empty for a count in none of the lists
// (0, negative, or above 81).
QString LuckVerdict(int count);

// The lucky numbers up to the limit, each as a blank followed by its digits, in stored order.
QString LuckySuggestionList(int limit);

// The working values and the nine result lines of one calculation.
struct NameLuck {
  std::array<int, 7> NameLengths{};  // F, M, L, F + 1, F + L, M + L, F + M + L
  std::array<QString, 7> LuckVerdicts;
  bool SuggestionsNeeded = false;
  QString FirstNameSuggestions;
  QString MiddleNameSuggestions;
  QStringList lines;  // the texts of lblResult 0 to 8
};

// The names are already trimmed; an empty middle name means there is none.
NameLuck ComputeNameLuckDetail(const QString& first, const QString& middle, const QString& last);
QStringList ComputeNameLuck(const QString& first, const QString& middle, const QString& last);

// The name in capitals, one character for one, so the shown name keeps its length.
QString NameInCapitals(const QString& name);
}  // namespace iching
