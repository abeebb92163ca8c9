#pragma once
// Personal Year, Personal Month and Personal Day: the birth day and month against today.
#include <QDate>

#include "reading/core/reading_section.h"

namespace reading {

inline const QString kPersonalYearTitle = QStringLiteral("Personal Year");
inline const QString kPersonalMonthTitle = QStringLiteral("Personal Month");
inline const QString kPersonalDayTitle = QStringLiteral("Personal Day");

int PersonalYearNumber(const Person& person, const QDate& today);
int PersonalMonthNumber(const Person& person, const QDate& today);
int PersonalDayNumber(const Person& person, const QDate& today);
// "Your Personal Year is: " followed by the Personal Year: the hidden label's text.
QString PersonalYearLabel(const Person& person, const QDate& today);

QString PersonalYearMeaning(int number);   // 1..9; empty otherwise (11 included)
QString PersonalMonthMeaning(int number);  // 1..9 and 11; empty otherwise
QString PersonalDayMeaning(int number);    // 1..9 and 11; empty otherwise

SectionRuns PersonalYearSection(const Person& person, const QDate& today, bool comprehensive);
SectionRuns PersonalMonthSection(const Person& person, const QDate& today, bool comprehensive);
SectionRuns PersonalDaySection(const Person& person, const QDate& today, bool comprehensive);

}  // namespace reading
