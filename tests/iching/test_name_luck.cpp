#include "iching/core/name_luck.h"

#include <gtest/gtest.h>

#include "common/test_support.h"


#include <set>

using namespace iching;

namespace {
const QString kUpTo25 = " 1 3 5 6 7 8 11 13 15 16 17 18 21 23 24 25";
const QString kUpTo39 = kUpTo25 + " 29 31 32 33 35 37 39";
}  // namespace

TEST(NameLuckTable, HoldsEveryNumberFromOneToEightyOneOnce) {
  std::multiset<int> all;
  for (int n : LuckyLengths) all.insert(n);
  for (int n : ModeratelyLuckyLengths) all.insert(n);
  for (int n : NotVeryLuckyLengths) all.insert(n);
  ASSERT_EQ(all.size(), 81u);
  for (int n = 1; n <= 81; ++n) EXPECT_EQ(all.count(n), 1u) << n;
}

TEST(NameLuckTable, VerdictsAtTheEdges) {
  const struct {
    int count;
    QString verdict;
  } cases[] = {
      {-1, ""},          {0, ""},
      {1, "Lucky"},      {2, "Not Very Lucky"},
      {38, "Moderately Lucky"}, {39, "Lucky"},  {40, "Not Very Lucky"}, {41, "Lucky"},
      {51, "Moderately Lucky"}, {78, "Moderately Lucky"}, {80, "Not Very Lucky"},
      {81, "Lucky"},     {82, ""},
      {32767, ""},       {32768, ""},  {100000, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(LuckVerdict(c.count), c.verdict) << c.count;
}

TEST(NameLuck, CountsTheSevenCombinations) {
  const NameLuck r = ComputeNameLuckDetail("SARAH", "ANN", "LEE");
  const std::array<int, 7> expected = {5, 3, 3, 6, 8, 6, 11};
  EXPECT_EQ(r.NameLengths, expected);
  // Entry 3 is the first name plus one, not the middle name plus one.
  EXPECT_EQ(ComputeNameLuckDetail("AB", "CDEFGHIJ", "K").NameLengths[3], 3);
}

TEST(NameLuck, NoMiddleNameListsUpTo25OnBothLines) {
  const QStringList lines = ComputeNameLuck("ann", "", "Lee");
  const QStringList expected = {
      "First Name is ANN Lucky",
      "Middle Name is Absent",
      "Last Name is LEE Lucky",
      "First Name + 1 is Not Very Lucky",
      "First Name + Last Name is Lucky",
      "Middle Name + Last Name is Lucky",
      "First Name + Middle Name + Last Name is Lucky",
      "Probable Lucky Number for First Name are " + kUpTo25,
      "Probable Lucky Number for Middle Name are " + kUpTo25,
  };
  EXPECT_EQ(lines, expected);
  EXPECT_TRUE(lines[7].contains("are  1 3"));  // two blanks before the first number
  EXPECT_EQ(kUpTo25.split(' ', Qt::SkipEmptyParts).size(), 16);
}

TEST(NameLuck, AllLuckyBuildsNoList) {
  const NameLuck r = ComputeNameLuckDetail("SARAH", "ANN", "LEE");
  EXPECT_FALSE(r.SuggestionsNeeded);
  for (const QString& v : r.LuckVerdicts) EXPECT_EQ(v, "Lucky");
  EXPECT_EQ(r.lines[1], "Middle Name is ANN Lucky");
  EXPECT_EQ(r.lines[7], "Probable Lucky Number for First Name are ");
  EXPECT_EQ(r.lines[8], "");
}

TEST(NameLuck, MiddleNameAndOneCountNotLuckyListsUpTo39OnLineSevenOnly) {
  // JOHN PAUL SMITH: 4 is not lucky.
  const NameLuck r = ComputeNameLuckDetail("JOHN", "PAUL", "SMITH");
  EXPECT_TRUE(r.SuggestionsNeeded);
  EXPECT_EQ(r.lines[0], "First Name is JOHN Not Very Lucky");
  EXPECT_EQ(r.lines[7], "Probable Lucky Number for First Name are " + kUpTo39);
  EXPECT_EQ(r.lines[8], "");
  EXPECT_EQ(r.MiddleNameSuggestions, "");
  EXPECT_EQ(kUpTo39.split(' ', Qt::SkipEmptyParts).size(), 23);
}

TEST(NameLuck, CountsOutsideTheTableGiveEmptyVerdicts) {
  // A first name of blanks only arrives trimmed to empty: count 0.
  NameLuck r = ComputeNameLuckDetail("", "", "LEE");
  EXPECT_EQ(r.lines[0], "First Name is  ");
  EXPECT_EQ(r.LuckVerdicts[0], "");
  EXPECT_TRUE(r.SuggestionsNeeded);

  const QString longName(90, 'A');
  r = ComputeNameLuckDetail(longName, "", "B");
  EXPECT_EQ(r.lines[0], "First Name is " + longName + " ");
  EXPECT_EQ(r.lines[4], "First Name + Last Name is ");
}

TEST(NameLuck, VeryLongNamesDoNotOverflow) {
  const QString huge(40000, 'x');
  const NameLuck r = ComputeNameLuckDetail(huge, huge, huge);
  EXPECT_EQ(r.NameLengths[6], 120000);
  EXPECT_EQ(r.NameLengths[3], 40001);
  for (const QString& v : r.LuckVerdicts) EXPECT_EQ(v, "");
  EXPECT_EQ(r.lines[6], "First Name + Middle Name + Last Name is ");
}

TEST(NameLuck, CapitalsForDisplayOnly) {
  const NameLuck lower = ComputeNameLuckDetail(QString::fromUtf8("\u00e9lise"), "", "stra\u00dfe");
  EXPECT_EQ(lower.lines[0], QString::fromUtf8("First Name is \u00c9LISE Lucky"));
  // The sharp s has no single capital: the name keeps its length.
  EXPECT_EQ(lower.lines[2], QString::fromUtf8("Last Name is STRA\u00dfE Lucky"));
  EXPECT_EQ(lower.NameLengths, ComputeNameLuckDetail("ELISE", "", "STRASE").NameLengths);
}

TEST(NameLuck, EachCalculationStartsAfresh) {
  const QStringList first = ComputeNameLuck("ANN", "", "LEE");
  EXPECT_EQ(ComputeNameLuck("SARAH", "ANN", "LEE")[8], "");
  EXPECT_EQ(ComputeNameLuck("ANN", "", "LEE"), first);
}
