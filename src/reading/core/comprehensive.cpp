#include "reading/core/comprehensive.h"

#include "reading/core/core_numbers.h"
#include "reading/core/reading_numbers.h"

namespace reading {

namespace {
// The four core numbers do not depend on today's date.
SectionFunction Dateless(SectionRuns (*section)(const Person&, bool)) {
  return [section](const Person& person, const QDate&, bool comprehensive) { return section(person, comprehensive); };
}
}  // namespace

const QList<ReadingNumber>& ReadingNumbers() {
  static const QList<ReadingNumber> numbers = {
      {"cmdLifePath", "LifePath Number", kLifePathTitle, "lblLifePath", "LifePath Number", Dateless(LifePathSection)},
      {"cmdDestiny", "Destiny or Expressions Number", kDestinyTitle, "lblDestiny", "Destiny Number",
       Dateless(DestinySection)},
      {"cmdSoulUrge", "Soul Urge or Heart's Desire Number", kSoulUrgeTitle, "lblSoulUrge", "Soul Urge Number",
       Dateless(SoulUrgeSection)},
      {"cmdInnerDreams", "Inner Dreams or Personality Number", kInnerDreamsTitle, "lblInnerDreams", "Inner Dreams",
       Dateless(InnerDreamsSection)},
      {"cmdBirthDay", "Birthday Number", kBirthDayTitle, "lblBirthDay", "BirthDay", BirthDaySection},
      {"cmdChallenge", "Challenge Number", kChallengeTitle, "lblChallenge", "Challenge", ChallengeSection},
      {"cmdPersonal", "Personal Year", kPersonalYearTitle, "lblPersonal", "Personal Year", PersonalYearSection},
      {"cmdPersonalDay", "Personal Day", kPersonalDayTitle, "lblPersonalDay", "Personal Day", PersonalDaySection},
      {"cmdPersonalMonth", "Personal Month", kPersonalMonthTitle, "lblPersonalMonth", "Personal Month",
       PersonalMonthSection},
      {"cmdLifePathPeriods", "Life Path Periods", kLifePathPeriodsTitle, "lblLifePathPeriods", "LifePath Periods",
       LifePathPeriodsSection},
      {"cmdMaturityNumber", "Realization or Maturity Number", kMaturityTitle, "lblMaturity", "Maturity",
       MaturitySection},
      {"cmdEssence", "Essence", kEssenceTitle, "lblEssence", "Essence", EssenceSection},
      {"cmdPersonalAspects", "Planes of Expression or Personal Aspects", kPersonalAspectsTitle, "lblPersonalAspects",
       "Personal Aspects", PersonalAspectsSection},
      {"cmdPinnaclePhases", "Pinnacle Phases", kPinnaclePhasesTitle, "lblPinnaclePhases", "Pinnacle Phases",
       PinnaclesSection},
      {"cmdHiddenPassionNumber", "Hidden Passion Number", kHiddenPassionTitle, "lblHiddenPassionNumber",
       "Hidden Passion", HiddenPassionSection},
      {"cmdKarmicLessonsNumber", "Karmic Lessons Number", kKarmicLessonsTitle, "lblKarmicLessonsNumber",
       "Karmic Lessons", KarmicLessonsSection},
      {"cmdBalanceNumber", "Balance Number", kBalanceTitle, "lblBalanceNumber", "Balance", BalanceSection},
      {"cmdKarmicDebtNumbers", "Karmic Debt Numbers", kKarmicDebtTitle, "lblKarmicDebtNumbers", "Karmic Debt",
       KarmicDebtSection},
      {"cmdSubconsciousSelfNumber", "Subconscious Self Number", kSubconsciousSelfTitle,
       "lblSubconsciousSelfNumber", "Subconscious Self", SubconsciousSelfSection},
      {"cmdLEBidgeNumber", "L/E Bridge Number", kLEBridgeTitle, "lblLEBridgeNumber", "L/E Bridge", LEBridgeSection},
      {"cmdHPBridgeNumber", "H/P Bridge Number", kHPBridgeTitle, "lblHPBridgeNumber", "H/P Bridge", HPBridgeSection},
      {"cmdRationalThoughtNumber", "Rational Thought Number", kRationalThoughtTitle, "lblRationalThoughtNumber",
       "Rational Thought", RationalThoughtSection},
  };
  return numbers;
}

const ReadingNumber* FindReadingNumber(const QString& button) {
  for (const ReadingNumber& number : ReadingNumbers())
    if (number.button == button) return &number;
  return nullptr;
}

QString ComprehensiveHeader(const Person& p) {
  return QStringLiteral("Name: ") + p.firstName + u' ' + p.middleName + u' ' + p.lastName + kCrLf +
         QStringLiteral("Date of Birth: ") + p.monthName + u' ' + p.day + QStringLiteral(", ") + p.year + kTwoBreaks;
}

SectionRuns ComprehensiveReadingRuns(const Person& person, const QDate& today) {
  SectionWriter w;
  w.Bold(false).Color(0).Add(ComprehensiveHeader(person) + kCrLf + kCrLf + kCrLf);
  SectionRuns runs = w.runs();
  for (const ReadingNumber& number : ReadingNumbers()) runs += number.section(person, today, true);
  runs.append(TextRun{kTwoBreaks, false, 3});
  return runs;
}

}  // namespace reading
