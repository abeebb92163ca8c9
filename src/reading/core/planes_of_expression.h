#pragma once
// Personal Aspects: the letters of the name sorted into the four planes of expression.
#include <QDate>

#include "reading/core/reading_section.h"

namespace reading {

inline const QString kPersonalAspectsTitle = QStringLiteral("Personal Aspects");

enum class PlaneOfExpression { Mental = 0, Physical = 1, Emotional = 2, Intuitive = 3 };

struct PersonalAspects {
  int length = 0;                   // every character of the joined trimmed names
  int count[4] = {0, 0, 0, 0};      // Mental, Physical, Emotional, Intuitive
  int percent[4] = {0, 0, 0, 0};    // count * 100 / length, truncated; 0 for an empty name
  QString rating[4];                // "Weak", "Average" or "Strong"
  QString dominant;                 // "Mental" .. "Intuitive", empty on a tie at the top
  QString label;                    // "pM rM pP rP pE rE pI rI": the hidden label's text
  QString summary;                  // four "... Ability p - rating" lines joined by CR LF
};

// The plane of one character, or -1 for a character in none.
int PlaneOf(QChar c);
QString PlaneRating(PlaneOfExpression plane, int percent);
PersonalAspects PersonalAspectNumbers(const Person& person);
SectionRuns PersonalAspectsSection(const Person& person, const QDate& today, bool comprehensive);

}  // namespace reading
