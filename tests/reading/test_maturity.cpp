#include <gtest/gtest.h>

#include "reading/core/maturity.h"
#include "reading/core/reading_numbers.h"
#include "services/web_pages.h"

using namespace reading;

namespace {
Person P(const QString& first, const QString& middle, const QString& last, const QString& day = "6",
         const QString& month = "August", const QString& year = "1979") {
  return Person{first, middle, last, month, day, year};
}
const QDate kToday(2026, 12, 8);
}  // namespace

TEST(ReadingMaturity, JoinedTextsNotSums) {
  struct Row { int lifePath, destiny, maturity; };
  const Row rows[] = {{9, 9, 9}, {22, 7, 11}, {22, 8, 3}, {11, 11, 4}, {22, 22, 8}, {1, 9, 1}, {2, 9, 11}, {4, 6, 1}};
  for (const Row& r : rows) EXPECT_EQ(MaturityFromNumbers(r.lifePath, r.destiny), r.maturity) << r.lifePath << "+" << r.destiny;
  EXPECT_FALSE(MaturityFromNumbers(0, 8).has_value());
  EXPECT_FALSE(MaturityFromNumbers(22, 0).has_value());
}

TEST(ReadingMaturity, ComputedFromThePersonOnScreenWithTheGuard) {
  // JOHN SMITH, 6 August 1979: Life Path 22, Destiny 8: "228", Maturity 3.
  const Person john = P("JOHN", "", "SMITH");
  EXPECT_EQ(MaturityNumber(john), 3);
  EXPECT_FALSE(MaturityGuardApplies(john));
  EXPECT_EQ(HiddenLabelText("cmdMaturityNumber", john, kToday), "3");
  const QString text = PlainText(MaturitySection(john, kToday, true));
  EXPECT_TRUE(text.startsWith("Your Maturity Number is: 3\r\nThe Maturity Number describes your underlying wishes, "
                              "desires, and goals for your later years."));
  EXPECT_TRUE(text.contains("\r\nBut as a whole 3 brings close friends, new relations and most importantly "
                            "happiness to your life.\r\n\r\n" + ReportFooter()));
  // A name with no valued letter has Destiny 0: no section, the guard text instead.
  const Person digits = P("123", "", "456");
  EXPECT_TRUE(MaturityGuardApplies(digits));
  EXPECT_TRUE(MaturitySection(digits, kToday, true).isEmpty());
  EXPECT_TRUE(MaturitySection(digits, kToday, false).isEmpty());
  EXPECT_EQ(MaturityGuardRuns(),
            (SectionRuns{{"Your Maturity Number is dependent on your LifePath Number and Destiny Number. "
                          "Please calculate these two figures first",
                          false, 0}}));
  EXPECT_EQ(HiddenLabelText("cmdMaturityNumber", digits, kToday), "");
}

TEST(ReadingMaturity, MeaningParts) {
  for (int n : {1, 2, 4, 5, 7, 8, 9}) EXPECT_EQ(MaturityMeaning(n).count("\r\n"), 2) << n;
  EXPECT_EQ(MaturityMeaning(3).count("\r\n"), 3);
  for (int n : {6, 11, 22}) {
    EXPECT_FALSE(MaturityMeaning(n).isEmpty()) << n;
    EXPECT_EQ(MaturityMeaning(n).count("\r\n"), 0) << n;
  }
  EXPECT_EQ(MaturityMeaning(10), "");
}

TEST(ReadingRationalThought, NumbersAndLayout) {
  struct Row { const char* first; const char* day; int number; };
  const Row rows[] = {
      {"JOHN", "6", 8},     // 6 + 20 = 26
      {"", "29", 11},       // ReduceDigits("29") keeps 11
      {" JOHN ", "2", 22},  // trimmed: 2 + 20 = 22
      {"john", "1", 1},
      {"ZZZZZ", "9", 4},    // 9 + 40 = 49
  };
  for (const Row& r : rows) EXPECT_EQ(RationalThoughtNumber(P(r.first, "", "X", r.day)), r.number) << r.first;
  const Person john = P("JOHN", "", "SMITH");
  EXPECT_EQ(RationalThoughtLabel(john), "8 " + RationalThoughtMeaning(8));
  const SectionRuns single = RationalThoughtSection(john, kToday, false);
  const SectionRuns expected = {
      {"Your Rational Thought Number is: 8\r\n\r\n", true, 3},
      {PlainText(single).mid(QString("Your Rational Thought Number is: 8\r\n\r\n").size()), false, 3},
  };
  EXPECT_EQ(single, expected);
  EXPECT_TRUE(single[1].text.startsWith("The Rational thought Number reveals your particular way of thinking."));
  EXPECT_TRUE(single[1].text.endsWith(RationalThoughtMeaning(8) + "\r\n\r\n" + ReportFooter() + "\r\n\r\n\r\n\r\n"));
  EXPECT_EQ(RationalThoughtSection(john, kToday, true)[0].text, "Your Rational Thought Number is: 8\r\n");
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}) EXPECT_FALSE(RationalThoughtMeaning(n).isEmpty()) << n;
}

TEST(ReadingSubconsciousSelf, DistinctGroups) {
  struct Row { const char* first; const char* middle; const char* last; int count; bool valid; };
  const Row rows[] = {
      {"JOHN", "", "SMITH", 7, true}, {"123", "", "456", 0, false}, {"AJS", "", "", 1, false},
      {"AB", "", "JK", 2, false},     {"ABC", "", "", 3, true},     {"ABCDE", "FGH", "I", 9, true},
      {"abc", "", "ABC", 3, true},
  };
  const QString invalid = "This number is not valid for this name.";
  for (const Row& r : rows) {
    const Person p = P(r.first, r.middle, r.last);
    EXPECT_EQ(SubconsciousSelfNumber(p), r.count) << r.first << r.middle << r.last;
    EXPECT_EQ(SubconsciousSelfMeaning(r.count) == invalid, !r.valid) << r.count;
  }
  const QString text = PlainText(SubconsciousSelfSection(P("123", "", "456"), kToday, false));
  EXPECT_TRUE(text.startsWith("Your Subconscious Self Number is: 0\r\n\r\nThis number shows how you deal and respond "
                              "in sudden situations."));
  EXPECT_TRUE(text.contains("\r\n\r\n" + invalid + "\r\n\r\n"));
}
