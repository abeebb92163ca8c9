#pragma once
// The four core numbers of the reading: Life Path from the birth date; Destiny, Soul Urge
// and Inner Dreams from the letters of the name. Each is computed from the person on screen.
#include <QString>

#include "reading/core/reading_section.h"

namespace reading {

// A core number and the value it hands to Karmic Debt (the sum before reduction).
struct CoreNumber {
  int number = 0;
  int karmicDebtSource = 0;
  bool operator==(const CoreNumber&) const = default;
};

// The values come from ComputeCoreValues (core_inputs.h).
// Life Path from the list texts (untrimmed). Its Karmic Debt source is the digit sum of the
// day before its first-and-last step (1..11), so Life Path never yields a debt.
CoreNumber LifePath(const QString& day, const QString& monthName, const QString& year);
CoreNumber LifePath(const Person& person);
// Reduced letter sum of the trimmed first, middle and last name.
CoreNumber Destiny(const Person& person);
// Vowels A1 E5 I9 O6 U3 of the joined trimmed names; only when they add up to 0, 7 for every Y.
CoreNumber SoulUrge(const Person& person);
// Letter values of the capitals other than A, E, I, O, U (Y always counts), reduced.
CoreNumber InnerDreams(const Person& person);

// Meaning texts: keys 1..9, 11 and 22; any other value gives an empty text.
QString LifePathMeaning(int number);
QString DestinyMeaning(int number);  // positive CR LF [third CR LF] negative
QString SoulUrgeMeaning(int number);
QString InnerDreamsMeaning(int number);

// Display window captions.
inline const QString kLifePathTitle = QStringLiteral("LifePath Number");
inline const QString kDestinyTitle = QStringLiteral("Destiny / Expression Number");
inline const QString kSoulUrgeTitle = QStringLiteral("Soul Urge Number");
inline const QString kInnerDreamsTitle = QStringLiteral("Inner Dream Number");

// The sections, all bold in colour 3; Life Path keeps two breaks after its heading in both modes.
SectionRuns LifePathSection(const Person& person, bool comprehensive);
SectionRuns DestinySection(const Person& person, bool comprehensive);
SectionRuns SoulUrgeSection(const Person& person, bool comprehensive);
SectionRuns InnerDreamsSection(const Person& person, bool comprehensive);

}  // namespace reading
