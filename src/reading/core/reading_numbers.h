#pragma once
// Entry points of the reading's numbers beyond the four core numbers (core_numbers.h).
//
// Every section function has the same shape and computes from the person on screen, with
// today's date passed in (never read from the clock here):
//   SectionRuns XxxSection(const Person& person, const QDate& today, bool comprehensive);
// Each number's display window caption is the constant kXxxTitle of its header.
//
//   button                      section                  title                   header
//   cmdBirthDay                 BirthDaySection          kBirthDayTitle          birthday_balance.h
//   cmdBalanceNumber            BalanceSection           kBalanceTitle           birthday_balance.h
//   cmdChallenge                ChallengeSection         kChallengeTitle         challenges.h
//   cmdEssence                  EssenceSection           kEssenceTitle           essence.h
//   cmdHiddenPassionNumber      HiddenPassionSection     kHiddenPassionTitle     karmic.h
//   cmdKarmicLessonsNumber      KarmicLessonsSection     kKarmicLessonsTitle     karmic.h
//   cmdKarmicDebtNumbers        KarmicDebtSection        kKarmicDebtTitle        karmic.h
//   cmdHPBridgeNumber           HPBridgeSection          kHPBridgeTitle          bridges_periods.h
//   cmdLEBidgeNumber            LEBridgeSection          kLEBridgeTitle          bridges_periods.h
//   cmdLifePathPeriods          LifePathPeriodsSection   kLifePathPeriodsTitle   bridges_periods.h
//   cmdPinnaclePhases           PinnaclesSection         kPinnaclePhasesTitle    pinnacles.h
//   cmdPersonal                 PersonalYearSection      kPersonalYearTitle      personal_cycles.h
//   cmdPersonalMonth            PersonalMonthSection     kPersonalMonthTitle     personal_cycles.h
//   cmdPersonalDay              PersonalDaySection       kPersonalDayTitle       personal_cycles.h
//   cmdMaturityNumber           MaturitySection          kMaturityTitle          maturity.h
//   cmdRationalThoughtNumber    RationalThoughtSection   kRationalThoughtTitle   maturity.h
//   cmdSubconsciousSelfNumber   SubconsciousSelfSection  kSubconsciousSelfTitle  maturity.h
//   cmdPersonalAspects          PersonalAspectsSection   kPersonalAspectsTitle   personal_aspects.h
//
// Maturity: when MaturityGuardApplies(person) (Life Path or Destiny is 0), MaturitySection
// returns no runs; the window then inserts MaturityGuardRuns() into the display window's box
// (default format, caption untouched) and shows it modally, in the comprehensive reading too.
#include <QDate>
#include <QString>

#include "reading/core/birthday_balance.h"
#include "reading/core/bridges_periods.h"
#include "reading/core/challenges.h"
#include "reading/core/essence.h"
#include "reading/core/karmic.h"
#include "reading/core/maturity.h"
#include "reading/core/personal_cycles.h"
#include "reading/core/pinnacles.h"
#include "reading/core/planes_of_expression.h"
#include "reading/core/reading_section.h"

namespace reading {

bool MaturityGuardApplies(const Person& person);
// The guard text as one run in the box's default format (regular, colour 0).
SectionRuns MaturityGuardRuns();

// The text that a number's hidden label of the reading window receives, by the number's
// button name (the four core numbers too); empty for a button that is not one of the numbers
// or whose label is not written (Essence, Pinnacles, Personal Month and Day, Life Path periods).
QString HiddenLabelText(const QString& button, const Person& person, const QDate& today);

}  // namespace reading
