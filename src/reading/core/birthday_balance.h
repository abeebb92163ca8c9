#pragma once
// Birthday number (the day of birth itself) and Balance number (from the initials).
#include <QDate>

#include "reading/core/reading_section.h"

namespace reading {

inline const QString kBirthDayTitle = QStringLiteral("BirthDay Number");
inline const QString kBalanceTitle = QStringLiteral("Balance Number");

// The trimmed day text as a number, 1..31 (0 for a text that is not a number).
int BirthDayNumber(const Person& person);
QString BirthDayMeaning(int day);  // empty outside 1..31
SectionRuns BirthDaySection(const Person& person, const QDate& today, bool comprehensive);

// The initial of one name box: the first character of the untrimmed text, trimmed, so a
// leading blank gives an empty initial.
QString BalanceInitial(const QString& nameText);
// ReduceDigits of the sum of the three initials' letter values: 0..9.
int BalanceNumber(const Person& person);
QString BalanceMeaning(int number);  // empty outside 1..9
SectionRuns BalanceSection(const Person& person, const QDate& today, bool comprehensive);

}  // namespace reading
