#pragma once
// The four challenge numbers of a birth date.
#include <QDate>

#include "reading/core/reading_section.h"

namespace reading {

inline const QString kChallengeTitle = QStringLiteral("Challenge Number");

struct Challenges {
  int d = 0;  // reduced day
  int m = 0;  // month number
  int y = 0;  // reduced year, no master number kept
  int c[4] = {0, 0, 0, 0};
  QString text() const;  // "c1 c2 c3 c4", also the hidden label's text
};

Challenges ChallengeNumbers(const Person& person);
QString ChallengeMeaning(int value);  // 0..8, empty otherwise
SectionRuns ChallengeSection(const Person& person, const QDate& today, bool comprehensive);

}  // namespace reading
