#pragma once
// The four core numbers and their Karmic Debt sources, computed afresh from the person on
// screen for the numbers that build on them (Karmic Debt, the bridges, Maturity).
#include "reading/core/reading_section.h"

namespace reading {

struct CoreValues {
  int lifePath = 0;
  int destiny = 0;
  int soulUrge = 0;
  int innerDreams = 0;
  int lifePathSource = 0;     // digit sum of the birth day before its one step
  int destinySum = 0;         // unreduced letter sum
  int soulUrgeSum = 0;        // unreduced vowel sum
  int innerDreamsSum = 0;     // unreduced consonant sum
};

CoreValues ComputeCoreValues(const Person& person);

}  // namespace reading
