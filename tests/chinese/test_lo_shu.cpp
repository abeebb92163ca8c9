// The Lo Shu chart, the tie scan and the favourable number text.
#include <gtest/gtest.h>

#include "chinese/core/lo_shu.h"

using namespace chinese;

namespace {
struct ChartCase {
  const char* day;
  const char* month;
  const char* year;
  const char* digits;
  QList<int> favourable;
  int count;
  const char* cells[9];  // digit strings of 1..9
};

const ChartCase kChartCases[] = {
    {"1", "January", "1970", "111970", {1}, 3, {"111", "", "", "", "", "", "7", "", "9"}},
    {"6", "August", "1979", "681979", {9}, 2, {"1", "", "", "", "", "6", "7", "8", "99"}},
    {"25", "December", "2001", "25122001", {2}, 3, {"11", "222", "", "", "5", "", "", "", ""}},
    {"12", "March", "2013", "1232013", {1, 2, 3}, 2, {"11", "22", "33", "", "", "", "", "", ""}},
    {"5", "May", "2005", "552005", {5}, 3, {"", "2", "", "", "555", "", "", "", ""}},
    {"29", "February", "1900", "2921900", {2, 9}, 2, {"1", "22", "", "", "", "", "", "", "99"}},
    {"10", "October", "2000", "10102000", {1}, 2, {"11", "2", "", "", "", "", "", "", ""}},
    {"9", "September", "1999", "991999", {9}, 5, {"1", "", "", "", "", "", "", "", "99999"}},
    // A later digit that draws level with the leader makes a tie.
    {"3", "April", "1934", "341934", {3, 4}, 2, {"1", "", "33", "44", "", "", "", "", "9"}},
};
}  // namespace

TEST(ChineseLoShuChart, DigitsCellsAndFavourableNumbers) {
  for (const ChartCase& c : kChartCases) {
    SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(c.day, c.month, c.year).toStdString());
    const LoShuChart chart = ComputeLoShuChart(c.day, c.month, c.year);
    EXPECT_EQ(chart.dateDigits, QString(c.digits));
    EXPECT_EQ(chart.favourableDigits, c.favourable);
    EXPECT_EQ(chart.occurrences, c.count);
    for (int d = 1; d <= 9; ++d) {
      EXPECT_EQ(chart.DigitString(d), QString(c.cells[d - 1])) << "digit " << d;
      EXPECT_EQ(CellCaption(chart, d - 1), QStringLiteral("[%1]\r\n").arg(d) + c.cells[d - 1]);
    }
  }
}

TEST(ChineseLoShuChart, TieScan) {
  struct {
    const char* digits;
    QList<int> favourable;
    int count;
  } cases[] = {
      {"12333", {3}, 3},         // a tie of 1 and 2 is ended by a greater count
      {"123", {1, 2, 3}, 1},     // all level
      {"9988", {8, 9}, 2},       // the leader found late, then matched
      {"100200", {1, 2}, 1},     // zeros are not counted
      {"7", {7}, 1},
  };
  for (const auto& c : cases) {
    const LoShuChart chart = LoShuChartOf(c.digits);
    EXPECT_EQ(chart.favourableDigits, c.favourable) << c.digits;
    EXPECT_EQ(chart.occurrences, c.count) << c.digits;
  }
}

TEST(ChineseLoShuChart, MonthNumberAndUnknownMonth) {
  EXPECT_EQ(DateDigits("1", "November", "2000"), "1112000");
  EXPECT_EQ(DateDigits("7", "July", "1950"), "771950");
  EXPECT_EQ(DateDigits("7", "july", "1950"), "71950");  // only the exact English names count
}

TEST(ChineseLoShuChart, DirectionsAndMeanings) {
  const char* directions[] = {"North", "South-West", "East", "South-East", "", "North-West", "West", "North-East",
                              "South"};
  const int paragraphs[] = {3, 3, 2, 3, 2, 3, 3, 2, 2};
  for (int d = 1; d <= 9; ++d) {
    EXPECT_EQ(Direction(d), QString(directions[d - 1]));
    const QString meaning = NumberMeaning(d);
    EXPECT_EQ(meaning.split("\r\n\r\n").size(), paragraphs[d - 1]) << "digit " << d;
    EXPECT_EQ(meaning.count('\r'), meaning.count('\n'));
    EXPECT_FALSE(meaning.contains("\r\n\r\n\r\n"));
  }
  EXPECT_TRUE(NumberMeaning(1).contains("\"single entity\""));
  EXPECT_EQ(Direction(0), QString());
  EXPECT_EQ(NumberMeaning(10), QString());
}

TEST(ChineseFavourableText, SingleNumberEndsWithTheDirectionAlone) {
  const LoShuChart chart = ComputeLoShuChart("1", "January", "1970");
  const QString expected = "Most Favorable Number by Chinese Numerology\r\n1\r\nNumber of occurrence: 3\r\n\r\n" +
                           NumberMeaning(1) + "\r\n\r\nMost Favorable Direction by Chinese Numerology\r\nNorth";
  EXPECT_EQ(FavourableNumberText(chart), expected);

  // 5 has no direction: the line under the heading stays empty.
  EXPECT_TRUE(FavourableNumberText(ComputeLoShuChart("5", "May", "2005"))
                  .endsWith("Most Favorable Direction by Chinese Numerology\r\n"));
}

TEST(ChineseFavourableText, TieRepeatsTheBlocksUnderOneDirectionHeading) {
  const LoShuChart chart = ComputeLoShuChart("12", "March", "2013");
  QString expected = "Most Favorable Number by Chinese Numerology\r\n";
  for (int d : {1, 2, 3})
    expected += QString::number(d) + "\r\nNumber of occurrence: 2\r\n\r\n" + NumberMeaning(d) + "\r\n\r\n";
  expected += "\r\nMost Favorable Direction by Chinese Numerology\r\nNorth\r\nSouth-West\r\nEast\r\n";
  EXPECT_EQ(FavourableNumberText(chart), expected);
}

TEST(ChineseFavourableText, FormattingOfTheRuns) {
  const QList<LoShuRun> single = FavourableNumberRuns(ComputeLoShuChart("6", "August", "1979"));
  ASSERT_EQ(single.size(), 6);
  EXPECT_EQ(single[0], (LoShuRun{"Most Favorable Number by Chinese Numerology\r\n", true, 15, 0}));
  EXPECT_EQ(single[1], (LoShuRun{"9\r\n", false, 10, 16}));
  EXPECT_EQ(single[2], (LoShuRun{"Number of occurrence: 2\r\n\r\n", false, 10, 0}));
  EXPECT_EQ(single[4], (LoShuRun{"Most Favorable Direction by Chinese Numerology\r\n", true, 15, 0}));
  EXPECT_EQ(single[5], (LoShuRun{"South", false, 10, 0}));

  const QList<LoShuRun> tie = FavourableNumberRuns(ComputeLoShuChart("29", "February", "1900"));
  ASSERT_EQ(tie.size(), 1 + 2 * 3 + 1 + 2);
  EXPECT_EQ(tie[4], (LoShuRun{"9\r\n", false, 10, 16}));
  EXPECT_EQ(tie[7], (LoShuRun{"\r\nMost Favorable Direction by Chinese Numerology\r\n", true, 15, 0}));
  EXPECT_EQ(tie[8], (LoShuRun{"South-West\r\n", false, 10, 0}));
  EXPECT_EQ(tie[9], (LoShuRun{"South\r\n", false, 10, 0}));
}
