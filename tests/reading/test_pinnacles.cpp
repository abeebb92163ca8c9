#include <gtest/gtest.h>

#include "reading/core/pinnacles.h"
#include "services/web_pages.h"

using namespace reading;

namespace {
Person D(const QString& day, const QString& month, const QString& year) {
  return Person{"JOHN", "", "SMITH", month, day, year};
}
}  // namespace

TEST(ReadingPinnacles, DatesTable) {
  struct Row { const char* day; const char* month; const char* year; int p[4]; const char* headings[4]; };
  const Row rows[] = {
      {"6", "August", "1979", {5, 5, 1, 7},
       {"First Pinnacle from age 0-31 years is 5", "Second Pinnacle from age 32-40 is 5",
        "Third Pinnacle from age 45-53 is 1", "Fourth Pinnacle from age 48 & beyond is 7"}},
      {"1", "January", "1900", {2, 11, 4, 11},
       {"First Pinnacle from age 0-34 years is 2", "Second Pinnacle from age 35-43 is 11",
        "Third Pinnacle from age 42-50 is  4", "Fourth Pinnacle from age 53 & beyond is 11"}},
      {"25", "August", "1985", {6, 3, 9, 22},  // ages 31 to 33 fall in no pinnacle; 1993 gives 22
       {"First Pinnacle from age 0-30 years is 6", "Second Pinnacle from age 34-42 is 3",
        "Third Pinnacle from age 37-45 is 9", "Fourth Pinnacle from age 51 & beyond is 22"}},
  };
  for (const Row& r : rows) {
    const Pinnacles p = PinnacleNumbers(D(r.day, r.month, r.year));
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(p.number[i], r.p[i]) << r.day << " " << r.month << " " << r.year << " #" << i;
      EXPECT_EQ(p.heading[i], r.headings[i]);
      EXPECT_FALSE(p.meaning[i].isEmpty());
    }
  }
}

TEST(ReadingPinnacles, LiteralsOfTheMasterNumbersAndTheThirdFour) {
  EXPECT_EQ(PinnacleLiteral(2, 4), "Third Pinnacle from age 42-50 is  ");
  EXPECT_EQ(PinnacleLiteral(2, 22), "Third Pinnacle from age 42-50 is ");
  EXPECT_EQ(PinnacleLiteral(0, 22), "First Pinnacle from age 0-32 years is ");
  EXPECT_EQ(PinnacleLiteral(1, 4), "Second Pinnacle from age 33-41 is ");
  EXPECT_EQ(PinnacleLiteral(3, 11), "Fourth Pinnacle from age 53 & beyond is ");
  EXPECT_EQ(PinnacleLiteral(0, 9), "First Pinnacle from age 0-27 years is ");
  EXPECT_EQ(PinnacleLiteral(3, 9), "Fourth Pinnacle from age 46 & beyond is ");
  EXPECT_EQ(PinnacleLiteral(2, 1), "Third Pinnacle from age 45-53 is ");
  for (int n : {1, 2, 3, 4, 5, 6, 8, 9, 11, 22})
    EXPECT_TRUE(PinnacleMeaning(n).startsWith("This signifies the period when you")) << n;
  EXPECT_TRUE(PinnacleMeaning(7).startsWith("In this period you would like to come to terms with yourself"));
  EXPECT_EQ(PinnacleMeaning(10), "");
}

TEST(ReadingPinnacles, SectionLayoutWithTheExtraLineAfterAThirdOfOne) {
  const Pinnacles p = PinnacleNumbers(D("6", "August", "1979"));
  EXPECT_EQ(p.meaning[2], PinnacleMeaning(1) + "\r\n");
  for (bool comprehensive : {false, true}) {
    const SectionRuns runs = PinnaclesSection(D("6", "August", "1979"), QDate(2026, 1, 1), comprehensive);
    ASSERT_EQ(runs.size(), 10);
    EXPECT_EQ(runs[0], (TextRun{"Pinnacle Phases\r\n\r\n", true, 3}));
    EXPECT_FALSE(runs[1].bold);
    EXPECT_EQ(runs[1].color, 3);
    EXPECT_TRUE(runs[1].text.startsWith(
        "Pinnacles represent moments in your life in which you understand the goals you have to achieve"));
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(runs[2 + 2 * i], (TextRun{p.heading[i] + "\r\n\r\n", true, 4}));
      EXPECT_FALSE(runs[3 + 2 * i].bold);
      EXPECT_EQ(runs[3 + 2 * i].color, 4);
    }
    EXPECT_EQ(runs[7].text, PinnacleMeaning(1) + "\r\n\r\n\r\n");
    EXPECT_EQ(runs[9].text, PinnacleMeaning(7) + "\r\n\r\n" + ReportFooter() + "\r\n\r\n\r\n\r\n");
  }
}
