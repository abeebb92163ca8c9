#include "reading/core/core_inputs.h"

#include "reading/core/reduction.h"
#include "services/text_rules.h"

namespace reading {

namespace {
bool IsVowel(QChar c) {
  return c == u'A' || c == u'E' || c == u'I' || c == u'O' || c == u'U';
}
}  // namespace

CoreValues ComputeCoreValues(const Person& person) {
  CoreValues v;
  // Life Path: day and year one step each, then the total kept if a master number.
  const int daySum = DigitSum(person.day);
  const int d = FirstAndLastStep(daySum);
  const int m = GetMonthNumber(person.monthName);
  const int y = FirstAndLastStep(DigitSum(person.year));
  const int total = d + m + y;
  v.lifePath = (total == 11 || total == 22) ? total : FirstAndLastStep(DigitSum(total));
  v.lifePathSource = daySum;

  const QString first = TrimBlanks(person.firstName);
  const QString middle = TrimBlanks(person.middleName);
  const QString last = TrimBlanks(person.lastName);
  v.destinySum = GetNameValue(first) + GetNameValue(middle) + GetNameValue(last);
  v.destiny = ReducedNumber(v.destinySum);

  const QString name = first + middle + last;
  int vowels = 0;
  int ys = 0;
  int consonants = 0;
  for (QChar c : name) {
    if (IsVowel(c)) vowels += GetLetterValue(c);
    else consonants += GetLetterValue(c);
    if (c == u'Y') ys += 7;
  }
  v.soulUrgeSum = vowels != 0 ? vowels : ys;
  v.soulUrge = ReducedNumber(v.soulUrgeSum);
  v.innerDreamsSum = consonants;
  v.innerDreams = ReducedNumber(v.innerDreamsSum);
  return v;
}

}  // namespace reading
