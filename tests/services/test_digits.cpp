#include <gtest/gtest.h>

#include <limits>

#include "services/digits.h"

TEST(Digits, DigitSumOfTextCountsAsciiDigitsOnly) {
  const std::pair<const char16_t*, int> cases[] = {
      {u"", 0},           {u"0", 0},        {u"08061979", 40}, {u"12/31/1999", 35},
      {u"-7", 7},         {u"abc", 0},      {u"9 9", 18},
      {u"\u0663\uff15", 0},  // Arabic-Indic three, fullwidth five: not ASCII digits
  };
  for (const auto& [text, sum] : cases) EXPECT_EQ(DigitSum(QString::fromUtf16(text)), sum) << QString::fromUtf16(text).toStdString();
}

TEST(Digits, DigitSumOfNumberTakesTheMagnitude) {
  EXPECT_EQ(DigitSum(qint64(0)), 0);
  EXPECT_EQ(DigitSum(qint64(599)), 23);
  EXPECT_EQ(DigitSum(qint64(-599)), 23);
  EXPECT_EQ(DigitSum(std::numeric_limits<qint64>::min()), 89);  // 9223372036854775808
  EXPECT_EQ(DigitSum(2147483647), 46);
}
