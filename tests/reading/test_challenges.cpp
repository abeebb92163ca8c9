#include <gtest/gtest.h>

#include "reading/core/challenges.h"
#include "services/web_pages.h"

using namespace reading;

namespace {
Person D(const QString& day, const QString& month, const QString& year) {
  return Person{"JOHN", "", "SMITH", month, day, year};
}
}  // namespace

TEST(ReadingChallenges, DatesTable) {
  struct Row { const char* day; const char* month; const char* year; const char* text; };
  const Row rows[] = {
      {"6", "August", "1979", "2 2 0 0"},
      {"29", "November", "1999", "0 1 1 1"},   // d 11 -> 2; y 28 -> 10 -> 1
      {"1", "January", "2000", "0 1 1 1"},
      {"1", "January", "2009", "0 1 1 1"},     // y 11 -> 2: no master number kept
      {"9", "September", "1900", "0 8 8 8"},   // y 10 -> 1
      {"19", "December", "2050", "2 6 4 4"},   // d 10 -> 1, m 3, y 7
  };
  for (const Row& r : rows) {
    EXPECT_EQ(ChallengeNumbers(D(r.day, r.month, r.year)).text(), r.text)
        << r.day << " " << r.month << " " << r.year;
  }
}

TEST(ReadingChallenges, SectionLayoutIsTheSameInBothModes) {
  const Person p = D("6", "August", "1979");
  const SectionRuns single = ChallengeSection(p, QDate(2026, 1, 1), false);
  EXPECT_EQ(single, ChallengeSection(p, QDate(2026, 1, 1), true));
  ASSERT_EQ(single.size(), 10);
  EXPECT_EQ(single[0], (TextRun{"Your Challenge Numbers are: 2 2 0 0\r\n\r\n", true, 3}));
  EXPECT_FALSE(single[1].bold);
  EXPECT_EQ(single[1].color, 3);
  EXPECT_TRUE(single[1].text.startsWith(
      "This number indicates what you must understand and learn in the various cycles of your life."));
  const char* subs[] = {"First Challenge Number is 2", "Second Challenge Number is 2",
                        "Third Challenge Number is 0", "Fourth Challenge Number is 0"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(single[2 + 2 * i], (TextRun{QString(subs[i]) + "\r\n\r\n", true, 4}));
    EXPECT_FALSE(single[3 + 2 * i].bold);
    EXPECT_EQ(single[3 + 2 * i].color, 4);
  }
  EXPECT_EQ(single[5].text, ChallengeMeaning(2) + "\r\n\r\n");
  EXPECT_EQ(single[7].text, ChallengeMeaning(0) + "\r\n\r\n");
  EXPECT_EQ(single[9].text, ChallengeMeaning(0) + "\r\n\r\n" + ReportFooter() + "\r\n\r\n\r\n\r\n");
  EXPECT_TRUE(ChallengeMeaning(0).startsWith(
      "There is no consistent challenge during this period in particular"));
  EXPECT_EQ(ChallengeMeaning(9), "");
}
