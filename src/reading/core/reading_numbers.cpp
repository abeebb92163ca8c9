#include "reading/core/reading_numbers.h"

#include "reading/core/core_numbers.h"
#include "services/text_rules.h"

namespace reading {

bool MaturityGuardApplies(const Person& person) { return !MaturityNumber(person).has_value(); }

SectionRuns MaturityGuardRuns() { return {TextRun{MaturityGuardText(), false, 0}}; }

QString HiddenLabelText(const QString& button, const Person& person, const QDate& today) {
  if (button == u"cmdLifePath") return QString::number(LifePath(person).number);
  if (button == u"cmdDestiny") return QString::number(Destiny(person).number);
  if (button == u"cmdSoulUrge") return QString::number(SoulUrge(person).number);
  if (button == u"cmdInnerDreams") return QString::number(InnerDreams(person).number);
  if (button == u"cmdBirthDay") return TrimBlanks(person.day);
  if (button == u"cmdBalanceNumber") return QString::number(BalanceNumber(person));
  if (button == u"cmdChallenge") return ChallengeNumbers(person).text();
  if (button == u"cmdHiddenPassionNumber") return QString::number(HiddenPassionNumber(person));
  if (button == u"cmdKarmicLessonsNumber") return KarmicLessonNumbers(person).list;
  if (button == u"cmdKarmicDebtNumbers") return QString::number(KarmicDebtNumber(person).number);
  if (button == u"cmdHPBridgeNumber") return QString::number(HPBridgeNumber(person));
  if (button == u"cmdLEBidgeNumber") return QString::number(LEBridgeNumber(person));
  if (button == u"cmdPersonal") return PersonalYearLabel(person, today);
  if (button == u"cmdMaturityNumber") {
    const std::optional<int> n = MaturityNumber(person);
    return n ? QString::number(*n) : QString();
  }
  if (button == u"cmdRationalThoughtNumber") return RationalThoughtLabel(person);
  if (button == u"cmdSubconsciousSelfNumber") return QString::number(SubconsciousSelfNumber(person));
  if (button == u"cmdPersonalAspects") return PersonalAspectNumbers(person).label;
  return {};
}

}  // namespace reading
