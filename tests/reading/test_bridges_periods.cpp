#include <gtest/gtest.h>

#include "reading/core/bridges_periods.h"
#include "services/web_pages.h"

using namespace reading;

namespace {
Person P(const QString& first, const QString& last, const QString& day, const QString& month, const QString& year) {
  return Person{first, "", last, month, day, year};
}
}  // namespace

TEST(ReadingBridges, DifferenceTable) {
  struct Row { int a, b, bridge; };
  const Row rows[] = {{11, 2, 9}, {22, 4, 9}, {7, 3, 4}, {3, 7, 4}, {0, 0, 0}, {22, 11, 2}, {1, 9, 8}, {22, 8, 5}};
  for (const Row& r : rows) EXPECT_EQ(BridgeNumber(r.a, r.b), r.bridge) << r.a << " " << r.b;
  EXPECT_EQ(HPBridgeMeaning(9), "");
  EXPECT_EQ(LEBridgeMeaning(9), "");
  for (int k = 6; k <= 8; ++k) EXPECT_EQ(LEBridgeMeaning(k), HPBridgeMeaning(k));
  for (int k = 0; k <= 5; ++k) EXPECT_NE(LEBridgeMeaning(k), HPBridgeMeaning(k));
  EXPECT_TRUE(HPBridgeMeaning(0).startsWith("This is very lucky number and you will make people feel comfortable around you."));
  EXPECT_TRUE(LEBridgeMeaning(0).startsWith("You will probably experience a great deal of peace in your life."));
}

TEST(ReadingBridges, ComputedFromThePersonOnScreen) {
  // JOHN SMITH, 6 August 1979: Life Path 22, Destiny 8, Soul Urge 6, Inner Dreams 11.
  const Person john = P("JOHN", "SMITH", "6", "August", "1979");
  EXPECT_EQ(HPBridgeNumber(john), 5);
  EXPECT_EQ(LEBridgeNumber(john), 5);  // |8 - 22| = 14
  // Another person right after gets their own bridges.
  const Person lynn = P("LYNN", "", "1", "January", "2000");  // LP 4, Destiny 2, SU 7, ID 2
  EXPECT_EQ(HPBridgeNumber(lynn), 5);
  EXPECT_EQ(LEBridgeNumber(lynn), 2);
  const QString le = PlainText(LEBridgeSection(john, QDate(2026, 1, 1), false));
  EXPECT_TRUE(le.startsWith("Your L/E Bridge Number is: 5\r\n\r\nThis number answers the 'whom' in you.  "));
  EXPECT_TRUE(le.contains(LEBridgeMeaning(5) + "\r\n\r\n" + ReportFooter()));
  const QString hp = PlainText(HPBridgeSection(john, QDate(2026, 1, 1), true));
  EXPECT_TRUE(hp.startsWith("Your H/P Bridge Number is: 5\r\nThis number tries to close the gap between how you think"));
}

TEST(ReadingLifePathPeriods, DatesTable) {
  struct Row { const char* day; const char* month; const char* year; int l; const char* lines[3]; };
  const Row rows[] = {
      {"6", "August", "1979", 4,  // 8 + 6 + 8 = 22 -> 4, while the Life Path number keeps 22
       {"Life Path Period 1 from age 0 - 23 is 8", "Life Path Period 2 from age 24 - 59 is 6",
        "Life Path Period 3 from age 60 on is 8"}},
      {"29", "September", "1980", 11,  // 9 + 11 + 9 = 29 -> 11, with the ages of 1
       {"Life Path Period 1 from age 0 - 26 is 9", "Life Path Period 2 from age 27 - 53 is 11",
        "Life Path Period 3 from age 54 on is 9"}},
      {"1", "January", "1966", 6,  // the year's digit sum 22 is kept: 1 + 1 + 22 = 24
       {"Life Path Period 1 from age 0 - 30 is 1", "Life Path Period 2 from age 31 - 57 is 1",
        "Life Path Period 3 from age 58 on is 22"}},
      {"1", "January", "1908", 2, {}},    // total 11 -> 2
      {"29", "February", "1980", 4, {}},  // total 22 -> 4
      {"2", "January", "2009", 5, {}},    // year 11 kept: 1 + 2 + 11 = 14
  };
  for (const Row& r : rows) {
    const LifePathPeriods p = LifePathPeriodNumbers(P("A", "B", r.day, r.month, r.year), QDate(2026, 6, 1));
    const std::string what = QString("%1 %2 %3").arg(r.day, r.month, r.year).toStdString();
    EXPECT_EQ(p.lifePath, r.l) << what;
    if (r.lines[0]) {
      for (int i = 0; i < 3; ++i) EXPECT_EQ(p.lines[i], r.lines[i]) << what;
    }
  }
}

TEST(ReadingLifePathPeriods, CurrentPeriodAtTheBoundaries) {
  struct Row { int today; int current; };
  // 6 August 1979: first period to 23, second to 59.
  const Row rows[] = {{1978, 0}, {1979, 1}, {2002, 1}, {2003, 2}, {2038, 2}, {2039, 3}, {2100, 3}};
  for (const Row& r : rows) {
    EXPECT_EQ(LifePathPeriodNumbers(P("A", "B", "6", "August", "1979"), QDate(r.today, 12, 31)).current, r.current)
        << r.today;
  }
  // 29 February 1980 (total 22 -> 4) at age 26 is in the second period.
  EXPECT_EQ(LifePathPeriodNumbers(P("A", "B", "29", "February", "1980"), QDate(2006, 1, 1)).current, 2);
}

TEST(ReadingLifePathPeriods, SectionLayout) {
  const Person p = P("A", "B", "6", "August", "1979");
  const SectionRuns runs = LifePathPeriodsSection(p, QDate(2026, 1, 1), true);
  ASSERT_EQ(runs.size(), 8);
  EXPECT_EQ(runs[0], (TextRun{"Your Current LifePath Period Number is: 2\r\n", true, 3}));
  EXPECT_FALSE(runs[1].bold);
  EXPECT_EQ(runs[1].color, 3);
  EXPECT_TRUE(runs[1].text.startsWith("This number describes the general influences on the life of a person."));
  EXPECT_TRUE(runs[1].text.endsWith("\r\n\r\n" + LifePathPeriodMeaning(4) + "\r\n\r\n"));
  EXPECT_EQ(runs[2], (TextRun{"Life Path Period 1 from age 0 - 23 is 8\r\n\r\n", true, 4}));
  EXPECT_EQ(runs[3], (TextRun{LifePathPeriodText(1) + "\r\n\r\n", false, 4}));
  EXPECT_EQ(runs[7], (TextRun{LifePathPeriodText(3) + "\r\n\r\n" + ReportFooter() + "\r\n\r\n\r\n\r\n", false, 4}));
  EXPECT_TRUE(LifePathPeriodText(2).startsWith("The second Life Path Period is our most productive time of life"));
  EXPECT_TRUE(LifePathPeriodMeaning(1).startsWith(" It's a time of progress."));
  EXPECT_FALSE(LifePathPeriodMeaning(11).isEmpty());
  EXPECT_NE(LifePathPeriodMeaning(11), LifePathPeriodMeaning(1));
  EXPECT_TRUE(PlainText(LifePathPeriodsSection(p, QDate(2026, 1, 1), false))
                  .startsWith("Your Current LifePath Period Number is: 2\r\n\r\nThis number"));
}
