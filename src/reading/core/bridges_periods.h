#pragma once
// The H/P and L/E bridge numbers and the three Life Path periods.
#include <QDate>

#include "reading/core/reading_section.h"

namespace reading {

inline const QString kHPBridgeTitle = QStringLiteral("H/P Bridge Number");
inline const QString kLEBridgeTitle = QStringLiteral("L/E Bridge Number");
inline const QString kLifePathPeriodsTitle = QStringLiteral("LifePath Periods");

// ReduceDigits of the decimal text of |a - b|: 0..9.
int BridgeNumber(int a, int b);
// Soul Urge against Inner Dreams, computed from the person on screen.
int HPBridgeNumber(const Person& person);
// Destiny against Life Path, computed from the person on screen.
int LEBridgeNumber(const Person& person);
QString HPBridgeMeaning(int bridge);  // 0..8; empty otherwise (9 included)
QString LEBridgeMeaning(int bridge);  // 0..8; empty otherwise (9 included)
SectionRuns HPBridgeSection(const Person& person, const QDate& today, bool comprehensive);
SectionRuns LEBridgeSection(const Person& person, const QDate& today, bool comprehensive);

struct LifePathPeriods {
  int m = 0;  // month number: the first period's number
  int d = 0;  // ReduceDigits of the day: the second period's number
  int y = 0;  // ReduceDigits of the year: the third period's number
  int lifePath = 0;  // ReduceDigits of m + d + y: 1..9 or 11
  int firstEnd = 0;   // last age of the first period
  int secondEnd = 0;  // last age of the second period
  int age = 0;        // today's year minus the birth year
  int current = 0;    // 0 (age below 0), 1, 2 or 3
  QString lines[3];   // "Life Path Period 1 from age 0 - 23 is 8", ...
};
LifePathPeriods LifePathPeriodNumbers(const Person& person, const QDate& today);
QString LifePathPeriodMeaning(int lifePath);  // 1..9, 11; empty otherwise
QString LifePathPeriodText(int period);       // the fixed text of period 1..3
SectionRuns LifePathPeriodsSection(const Person& person, const QDate& today, bool comprehensive);

}  // namespace reading
