#pragma once
// Maturity, Rational Thought and Subconscious Self numbers.
#include <QDate>
#include <optional>

#include "reading/core/reading_section.h"

namespace reading {

inline const QString kMaturityTitle = QStringLiteral("Maturity Number");
inline const QString kRationalThoughtTitle = QStringLiteral("Rational Thought Number");
inline const QString kSubconsciousSelfTitle = QStringLiteral("Subconscious Self Number");

// Shown in the display window, unformatted and without a caption, in place of the section
// when Life Path or Destiny is 0 (a name with no valued letter), in both modes.
QString MaturityGuardText();

// ReduceDigitsOnce of the two numbers' decimal texts joined, Life Path first
// (22 and 7 give "227": 11). No value when either number is 0.
std::optional<int> MaturityFromNumbers(int lifePath, int destiny);
// Computed from the person on screen: Life Path and Destiny afresh.
std::optional<int> MaturityNumber(const Person& person);
QString MaturityMeaning(int number);  // 1..9, 11, 22; empty otherwise
// The section; empty when the guard applies (show MaturityGuardText() then).
SectionRuns MaturitySection(const Person& person, const QDate& today, bool comprehensive);

// ReduceNumber(ReduceDigits(day) + GetNameValue(first name)).
int RationalThoughtNumber(const Person& person);
QString RationalThoughtMeaning(int number);  // 1..9, 11, 22; empty otherwise
// The number, one blank and its paragraph: the hidden label's text.
QString RationalThoughtLabel(const Person& person);
SectionRuns RationalThoughtSection(const Person& person, const QDate& today, bool comprehensive);

// How many of the nine letter-value groups occur in the joined trimmed names: 0..9.
int SubconsciousSelfNumber(const Person& person);
// Counts 3..9 have a paragraph; any other count "This number is not valid for this name.".
QString SubconsciousSelfMeaning(int count);
SectionRuns SubconsciousSelfSection(const Person& person, const QDate& today, bool comprehensive);

}  // namespace reading
