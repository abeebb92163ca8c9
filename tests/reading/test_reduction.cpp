#include <gtest/gtest.h>

#include "reading/core/reading_section.h"
#include "reading/core/reduction.h"
#include "services/web_pages.h"

using namespace reading;

TEST(ReadingReduction, WorkedTable) {
  struct Row { int input; int number; int digits; int once; };
  const Row rows[] = {
      {5, 5, 5, 5},       {11, 11, 2, 2},     {22, 22, 4, 4},   {29, 11, 11, 11},
      {38, 11, 11, 11},   {49, 4, 4, 4},      {199, 1, 1, 10},  {1979, 8, 8, 8},
      {1999, 1, 1, 10},   {2009, 11, 11, 11}, {2999, 2, 2, 11}, {0, 0, 0, 0},
  };
  for (const Row& r : rows) {
    int n = r.input;
    EXPECT_EQ(ReduceNumber(n), r.number) << r.input;
    EXPECT_EQ(n, r.number) << "written back for " << r.input;
    EXPECT_EQ(ReduceDigits(QString::number(r.input)), r.digits) << r.input;
    EXPECT_EQ(ReduceDigitsOnce(QString::number(r.input)), r.once) << r.input;
  }
}

TEST(ReadingReduction, DigitSumOfElevenIsKeptButNotTheNumberItself) {
  for (int n : {38, 47, 56, 65, 74, 83, 92}) EXPECT_EQ(ReducedNumber(n), 11) << n;
  EXPECT_EQ(ReducedNumber(22), 22);
  EXPECT_EQ(ReduceDigits("11"), 2);
  EXPECT_EQ(ReduceDigits("22"), 4);
  EXPECT_EQ(ReduceDigits("1966"), 22);
  EXPECT_EQ(ReduceDigits(""), 0);
  EXPECT_EQ(ReduceDigitsOnce(""), 0);
  EXPECT_EQ(ReduceDigitsOnce("99"), 9);   // 18 -> 9
  EXPECT_EQ(ReduceDigitsOnce("228"), 3);  // 12 -> 3
}

TEST(ReadingReduction, SumsBeyondSixteenBits) {
  // 5,000 letters Z (8 each) go past 32,767 and stay exact.
  EXPECT_EQ(GetNameValue(QString(5000, u'Z')), 40000);
  EXPECT_EQ(ReducedNumber(40000), 4);
  // 36,000: the first-and-last step takes 3 + 0.
  EXPECT_EQ(ReduceDigits(QString(4000, u'9')), 3);
}

TEST(ReadingLetters, LetterAndNameValues) {
  const QString runs[9] = {"AJS", "BKT", "CLU", "DMV", "ENW", "FOX", "GPY", "HQZ", "IR"};
  for (int v = 1; v <= 9; ++v)
    for (QChar c : runs[v - 1]) EXPECT_EQ(GetLetterValue(QString(c)), v) << c.toLatin1();
  for (const char* s : {"a", "y", "", "AB", "1", " ", "-"}) EXPECT_EQ(GetLetterValue(QString(s)), 0) << s;
  EXPECT_EQ(GetLetterValue(QString(QChar(0xC9))), 0);  // accented capital E
  EXPECT_EQ(GetNameValue("JOHN"), 20);
  EXPECT_EQ(GetNameValue("john"), 0);
  EXPECT_EQ(GetNameValue("JO HN-9"), 20);
}

TEST(ReadingLetters, MonthTable) {
  const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                          "July",    "August",   "September", "October", "November", "December"};
  const int values[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(GetMonthNumber(months[i]), values[i]) << months[i];
  for (const char* s : {"june", "JUNE", "", " June", "Sept"}) EXPECT_EQ(GetMonthNumber(s), 0) << s;
}

TEST(ReadingSectionLayout, StandardSectionInBothModes) {
  const QString footer = ReportFooter();
  const SectionRuns single = ReadingSection("Heading: ", "7", "Desc", "Meaning", false);
  ASSERT_EQ(single.size(), 1);
  EXPECT_EQ(single[0], (TextRun{"Heading: 7\r\n\r\nDesc\r\n\r\nMeaning\r\n\r\n" + footer +
                                    "\r\n\r\n\r\n\r\n",
                                true, 3}));
  const SectionRuns comp = ReadingSection("Heading: ", "7", "Desc", "Meaning", true);
  ASSERT_EQ(comp.size(), 1);
  EXPECT_TRUE(comp[0].text.startsWith("Heading: 7\r\nDesc\r\n\r\n"));
  SectionOptions two;
  two.twoBreaksAfterHeading = true;
  EXPECT_EQ(ReadingSection("H", "1", "D", "M", true, two), ReadingSection("H", "1", "D", "M", false));
}

TEST(ReadingSectionLayout, BoldOffAndSubSections) {
  SectionOptions o;
  o.boldOffAfterHeading = true;
  o.hasMeaning = false;
  o.subSections = {{"Sub 1", "Text 1"}, {"Sub 2", "Text 2"}};
  const SectionRuns runs = ReadingSection("H: ", "3", "D", "unused", true, o);
  const SectionRuns expected = {
      {"H: 3\r\n", true, 3},
      {"D\r\n\r\n", false, 3},
      {"Sub 1\r\n\r\n", true, 4},
      {"Text 1\r\n\r\n", false, 4},
      {"Sub 2\r\n\r\n", true, 4},
      {"Text 2\r\n\r\n" + ReportFooter() + "\r\n\r\n\r\n\r\n", false, 4},
  };
  EXPECT_EQ(runs, expected);
}
