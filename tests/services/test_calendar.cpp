#include <gtest/gtest.h>

#include "services/calendar.h"
#include "services/text_rules.h"

TEST(Calendar, GregorianLeapYears) {
  const struct {
    int year;
    bool leap;
  } cases[] = {{1900, false}, {1996, true}, {2000, true}, {2023, false}, {2024, true}, {2100, false}, {2400, true}};
  for (const auto& c : cases) EXPECT_EQ(calendar::IsLeapYear(c.year), c.leap) << c.year;
  EXPECT_FALSE(calendar::IsValidDate(29, 2, 1900));
  EXPECT_TRUE(calendar::IsValidDate(29, 2, 2000));
  EXPECT_FALSE(calendar::IsValidDate(31, 4, 2001));
  EXPECT_TRUE(calendar::IsValidDate(31, 12, 2001));
  EXPECT_FALSE(calendar::IsValidDate(0, 1, 2001));
  EXPECT_EQ(calendar::DaysInMonth(13, 2001), 0);
}

TEST(Calendar, MonthNames) {
  EXPECT_EQ(calendar::MonthNumber(QStringLiteral("January")), 1);
  EXPECT_EQ(calendar::MonthNumber(QStringLiteral("December")), 12);
  EXPECT_EQ(calendar::MonthNumber(QStringLiteral("december")), 0);
  EXPECT_EQ(calendar::MonthNumber(QString()), 0);
}

TEST(Calendar, ShortDateTextHasFourDigitYearAndReadsBack) {
  const QDate day(2025, 1, 5);
  const char* locales[] = {"en_US", "de_DE", "en_GB", "fr_FR", "ja_JP", "C"};
  for (const char* name : locales) {
    const QLocale locale{QString::fromLatin1(name)};
    const QString text = calendar::ShortDateText(day, locale);
    EXPECT_TRUE(text.contains(QStringLiteral("2025"))) << name << " " << text.toStdString();
    EXPECT_EQ(calendar::ParseShortDate(text, locale), day) << name;
  }
  EXPECT_EQ(calendar::ShortDateText(day, QLocale(QStringLiteral("en_US"))), QStringLiteral("1/5/2025"));
  EXPECT_FALSE(calendar::ParseShortDate(QStringLiteral("not a date"), QLocale(QStringLiteral("en_US"))).isValid());
  EXPECT_FALSE(calendar::ParseShortDate(QString(), QLocale(QStringLiteral("en_US"))).isValid());
}

TEST(TextRules, TrimsBlanksOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"  a b  ", "a b"}, {"  a", "a"}, {"a  ", "a"}, {"\tx\r\n", "\tx\r\n"}, {" \t ", "\t"}, {"   ", ""}, {"", ""},
  };
  for (const auto& [text, trimmed] : cases)
    EXPECT_EQ(TrimBlanks(QString::fromLatin1(text)), QString::fromLatin1(trimmed)) << text;
  EXPECT_EQ(UpperAsciiLetters(QStringLiteral("abz\u00e9Q1")), QStringLiteral("ABZ\u00e9Q1"));
}
