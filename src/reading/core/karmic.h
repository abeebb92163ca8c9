#pragma once
// Hidden Passion, Karmic Lessons and Karmic Debt.
#include <QDate>
#include <QList>

#include "reading/core/reading_section.h"

namespace reading {

inline const QString kHiddenPassionTitle = QStringLiteral("Hidden Passion Number");
inline const QString kKarmicLessonsTitle = QStringLiteral("Karmic Lesson Number");
inline const QString kKarmicDebtTitle = QStringLiteral("Karmic Debt Numbers");

// The letter value of the character that occurs most often in the joined trimmed name
// (ties go to the one met first); 0 when that character has no value or the name is empty.
int HiddenPassionNumber(const Person& person);
QString HiddenPassionMeaning(int number);  // 1..9, empty otherwise
SectionRuns HiddenPassionSection(const Person& person, const QDate& today, bool comprehensive);

struct KarmicLessons {
  QList<int> missing;  // ascending values 1..9 that no letter of the name carries
  QString list;        // " k" for each missing value; the hidden label's text
  QString text;        // CR LF, k, CR LF, lesson of k, for each missing value
};
KarmicLessons KarmicLessonNumbers(const Person& person);
QString KarmicLessonText(int value);  // 1..9, empty otherwise
SectionRuns KarmicLessonsSection(const Person& person, const QDate& today, bool comprehensive);

struct KarmicDebt {
  int number = 0;     // 13, 14, 16, 19, or 0 for none; the last source that holds one wins
  QString sentences;  // one sentence per source that holds a debt, or the not-applicable one
};
// The sources in the order they are tested: Life Path, Destiny, Soul Urge, Inner Dreams,
// birth day.
KarmicDebt KarmicDebtFromSources(int lifePath, int destiny, int soulUrge, int innerDreams,
                                 int birthDay);
// Computed from the person on screen: the core numbers' sources and the birth day afresh.
KarmicDebt KarmicDebtNumber(const Person& person);
QString KarmicDebtMeaning(int number);  // "Not Applicable" for anything but 13, 14, 16, 19
SectionRuns KarmicDebtSection(const Person& person, const QDate& today, bool comprehensive);

}  // namespace reading
