#pragma once
// Essence number: each name part walked letter by letter until its running sum reaches the age.
#include <QDate>

#include "reading/core/reading_section.h"

namespace reading {

inline const QString kEssenceTitle = QStringLiteral("Essence");

// The value of the letter on which the walk of one name part stops; 0 for a part with no
// valued letter or a negative age (the walk ends at once).
int EssenceWalk(const QString& namePart, int age);
// Age in whole years by calendar year only: today's year minus the birth year.
int EssenceAge(const Person& person, const QDate& today);
int EssenceNumber(const Person& person, const QDate& today);
QString EssenceMeaning(int number);  // 1..9; empty otherwise (0 included)
SectionRuns EssenceSection(const Person& person, const QDate& today, bool comprehensive);

}  // namespace reading
