#include <gtest/gtest.h>

#include <QDate>

#include "kabbalah/core/english_calendar.h"
#include "kabbalah/core/kabbalah_numbers.h"
#include "services/calendar.h"

using namespace kabbalah;

namespace {
int QtWeekday(const QDate& d) { return d.dayOfWeek() % 7 + 1; }  // Qt: Monday = 1 .. Sunday = 7
}

TEST(KabbalahCalendar, KnownDates) {
  struct Case {
    int year;
    const char* month;
    int day;
    int weekday;
  };
  const Case cases[] = {
      {1900, "January", 1, 2},  {1900, "February", 28, 4}, {1900, "March", 1, 5},     {2000, "January", 1, 7},
      {2011, "February", 22, 3}, {2050, "December", 31, 7}, {2051, "January", 1, 1},  {2100, "January", 1, 6},
      {2100, "March", 1, 2},    {2999, "December", 31, 3}, {2000, "February", 29, 3}, {1969, "July", 20, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetDayOfWeek(c.year, QString::fromLatin1(c.month), c.day), c.weekday)
        << c.day << " " << c.month << " " << c.year;
}

TEST(KabbalahCalendar, EveryDayOfEveryYearMatchesTheGregorianCalendar) {
  for (int year = 1900; year <= 2999; ++year)
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= calendar::DaysInMonth(month, year); ++day)
        ASSERT_EQ(GetDayOfWeek(year, calendar::MonthNames()[month - 1], day), QtWeekday(QDate(year, month, day)))
            << day << "/" << month << "/" << year;
}

TEST(KabbalahCalendar, DaysPastTheMonthEndCountOn) {
  // 29 February of a century year that is not a leap year: the weekday of 1 March.
  EXPECT_EQ(GetDayOfWeek(1900, "February", 29), 5);
  EXPECT_EQ(GetDayOfWeek(2100, "February", 29), GetDayOfWeek(2100, "March", 1));
  EXPECT_EQ(GetDayOfWeek(2023, "April", 31), QtWeekday(QDate(2023, 5, 1)));
  EXPECT_EQ(GetDayOfWeek(2023, "February", 31), QtWeekday(QDate(2023, 3, 3)));
}

TEST(KabbalahCalendar, UnknownMonthGivesZero) {
  EXPECT_EQ(GetDayOfWeek(2000, "january", 1), 0);
  EXPECT_EQ(GetDayOfWeek(2000, "", 1), 0);
}

TEST(KabbalahNumbers, LetterValues) {
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  const int values[] = {1, 2, 11, 4, 5, 17, 3, 8, 10, 10, 11, 12, 13, 14, 16, 17, 19, 20, 21, 22, 6, 6, 6, 15, 10, 7};
  for (int i = 0; i < 26; ++i) EXPECT_EQ(GetKabbalahLetterValue(letters[i]), values[i]) << letters[i].toLatin1();
  for (QChar c : QStringLiteral("az 09-'\u00c9"))
    EXPECT_EQ(GetKabbalahLetterValue(c), 0);
}

TEST(KabbalahNumbers, NameValueReducesOnceAbove22) {
  struct Case {
    QString name;
    int value;
  };
  const Case cases[] = {
      {"ANN", 11},                         // 29
      {"LEE", 22},                         // 22 stays
      {"A", 1},
      {"JOHN", 12},                        // 48
      {"john", 0},                         // small letters count nothing
      {"", 0},
      {"J O-H'N", 12},                     // other characters are skipped
      {"TSAR", 10},                        // 64
      {"THEO", 6},                         // 51
      {QString(27, 'T') + "DA", 23},       // 599: one pass only, not 5
      {QString(27, 'T') + "C", 11},        // 605
  };
  for (const Case& c : cases) EXPECT_EQ(GetKabbalahNameValue(c.name), c.value) << c.name.toStdString();
}

TEST(KabbalahNumbers, LongNamesDoNotOverflow) {
  // 2000 letters of T sum to 44000, past the 16-bit range: digit sum 8.
  EXPECT_EQ(GetKabbalahNameValue(QString(2000, 'T')), 8);
  // 100000 letters of Z: 700000 -> 7.
  EXPECT_EQ(GetKabbalahNameValue(QString(100000, 'Z')), 7);
  const KabbalahResults r = ComputeKabbalahResults(QString(2000, 'T'), QString(2000, 'T'), QString(1490, 'T'), 0, 1);
  EXPECT_EQ(r.FullNameTotal, 8 + 8 + 20);  // 32780 -> 20
  EXPECT_EQ(r.MoneyNumber, "9");
}

TEST(KabbalahNumbers, FirstHealthIndicationOpenings) {
  struct Case {
    QString name;
    int value;
  };
  const Case cases[] = {
      {"TSAR", 18}, {"TZVI", 18}, {"THEO", 9}, {"TS", 18}, {"TH", 9},
      {"Theo", 22},  // only exact capitals take the rule: T alone
      {"Tsar", 22}, {"T", 22},   {"", 0},
      {"ATHE", 9},  // "TH" not at the start: the name value, 36 -> 9
      {"ATS", 8},   // 1 + 22 + 21 = 44 -> 8
  };
  for (const Case& c : cases) EXPECT_EQ(GetFirstHealthIndication(c.name), c.value) << c.name.toStdString();
}

TEST(KabbalahNumbers, LuckyNumberTableFollowsThePlanetaryHours) {
  for (int weekday = 1; weekday <= 7; ++weekday)
    for (int hour = 0; hour < 24; ++hour) {
      const int k = 24 * (weekday - 1) + hour;
      const bool even = (k / 7) % 2 == 0;
      const int expected[7] = {even ? 1 : 4, 6, 5, even ? 2 : 7, 8, 3, 9};
      EXPECT_EQ(GetLuckyNumber(hour, weekday), expected[k % 7]) << "hour " << hour << " weekday " << weekday;
    }
}

TEST(KabbalahNumbers, LuckyNumberEdges) {
  EXPECT_EQ(GetLuckyNumber(0, 1), 1);   // Sunday, hour 0
  EXPECT_EQ(GetLuckyNumber(23, 7), 9);  // Saturday, hour 23
  EXPECT_EQ(GetLuckyNumber(4, 2), 1);   // Monday, hour 4
  EXPECT_EQ(GetLuckyNumber(1, 3), 4);   // Tuesday, hour 1
  EXPECT_EQ(GetLuckyNumber(0, 7), 8);
  EXPECT_EQ(GetLuckyNumber(23, 1), 5);
  EXPECT_EQ(GetLuckyNumber(24, 1), 0);
  EXPECT_EQ(GetLuckyNumber(-1, 1), 0);
  EXPECT_EQ(GetLuckyNumber(0, 0), 0);
  EXPECT_EQ(GetLuckyNumber(0, 8), 0);
}

TEST(KabbalahNumbers, LuckyColors) {
  const char* const names[] = {"Greenish Blue", "Yellow", "Dark Blue", "Light Blue", "Dark Red", "Violet", "Blue",
                               "Yellow,Brown", "Grey", "Dark Brown,Dark Blue", "Black,White,Brown", "Mauve",
                               "Dazzling White", "Light Red", "Dark Blue", "Black", "Red", "Greenish Yellow",
                               "Green", "Gold", "Silver", "Orange", "Greenish Blue", "Greenish Blue"};
  for (int v = 0; v <= 23; ++v) EXPECT_EQ(LuckyColorName(v), QString::fromLatin1(names[v])) << v;
  EXPECT_EQ(LuckyColorName(-3), "Greenish Blue");
  EXPECT_EQ(LuckyColorName(38), "Greenish Blue");
}

TEST(KabbalahNumbers, MoneyNumberReducesOnce) {
  EXPECT_EQ(MoneyNumberOf(0), 0);
  EXPECT_EQ(MoneyNumberOf(22), 22);
  EXPECT_EQ(MoneyNumberOf(23), 5);
  EXPECT_EQ(MoneyNumberOf(33), 6);
  EXPECT_EQ(MoneyNumberOf(99), 18);
  EXPECT_EQ(MoneyNumberOf(114), 6);
}

TEST(KabbalahNumbers, WorkedExample) {
  const KabbalahResults r = ComputeKabbalahResults("ANN", "", "LEE", 0, 2);
  EXPECT_EQ(r.BirthHour, 0);
  EXPECT_EQ(r.BirthWeekDay, 2);
  EXPECT_EQ(r.FullNameTotal, 33);
  EXPECT_EQ(r.MoneyNumber, "6");
  EXPECT_EQ(r.SecondHealthIndication, "6");
  EXPECT_EQ(r.LuckyNumber, "7");
  EXPECT_EQ(r.FirstHealthIndication, "11");
  EXPECT_EQ(r.FirstHealthInfluence, 11);
  EXPECT_EQ(r.LuckyColor, "Mauve");
}

TEST(KabbalahNumbers, OpeningsSplitIndicationFromInfluence) {
  KabbalahResults r = ComputeKabbalahResults("TSAR", "", "LEE", 10, 4);
  EXPECT_EQ(r.FirstHealthIndication, "18");
  EXPECT_EQ(r.FirstHealthInfluence, 10);
  EXPECT_EQ(r.LuckyColor, "Black,White,Brown");
  EXPECT_EQ(HealthText(18), HealthText(8));
  r = ComputeKabbalahResults("THEO", "", "LEE", 10, 4);
  EXPECT_EQ(r.FirstHealthIndication, "9");
  EXPECT_EQ(r.FirstHealthInfluence, 6);
  EXPECT_EQ(r.LuckyColor, "Blue");
  r = ComputeKabbalahResults("LEE", "", "LEE", 10, 4);
  EXPECT_EQ(r.LuckyColor, "Greenish Blue");
  r = ComputeKabbalahResults("john", "", "lee", 10, 4);
  EXPECT_EQ(r.MoneyNumber, "0");
  EXPECT_EQ(r.FirstHealthIndication, "0");
  EXPECT_EQ(r.LuckyColor, "Greenish Blue");
}

TEST(KabbalahTexts, TablesAreComplete) {
  EXPECT_EQ(LuckyNumberText, "This number can be used to your benefit to gain more than normal from an ordinary.");
  EXPECT_TRUE(LuckyColorText.startsWith("Wear your lucky color and have a better day."));
  QStringList money, health;
  for (int n = 1; n <= 22; ++n) {
    EXPECT_GT(MoneyText(n).size(), 80) << n;
    EXPECT_GT(HealthText(n).size(), 80) << n;
    money << MoneyText(n);
    if (n != 15 && n != 18) health << HealthText(n);
  }
  money.removeDuplicates();
  health.removeDuplicates();
  EXPECT_EQ(money.size(), 22);
  EXPECT_EQ(health.size(), 20);
  EXPECT_EQ(HealthText(15), HealthText(12));
  EXPECT_TRUE(HealthText(8).contains("number eight", Qt::CaseInsensitive));
  EXPECT_TRUE(MoneyText(7).contains("\"No risk, No gain!\""));
  EXPECT_TRUE(MoneyText(13).startsWith(MoneyText(3).left(60)));
  for (int n : {0, 23, -1, 38}) {
    EXPECT_TRUE(MoneyText(n).isEmpty());
    EXPECT_TRUE(HealthText(n).isEmpty());
  }
}

TEST(KabbalahTexts, BoxTextsAlwaysSayWhatTheNumberHas) {
  EXPECT_EQ(MoneyBoxText("6"), "\r\n" + MoneyText(6));
  EXPECT_EQ(HealthBoxText("22"), "\r\n" + HealthText(22));
  for (const char* none : {"0", "23", "38", ""}) {
    EXPECT_EQ(MoneyBoxText(none), "\r\n" + NoInterpretationText) << none;
    EXPECT_EQ(HealthBoxText(none), "\r\n" + NoInterpretationText) << none;
  }
  EXPECT_EQ(LuckyNumberBoxText(), "\r\n" + LuckyNumberText);
  EXPECT_EQ(LuckyColorBoxText(), "\r\n" + LuckyColorText);
}

TEST(KabbalahReport, Layout) {
  const KabbalahResults r = ComputeKabbalahResults("ANN", "", "LEE", 0, 2);
  const QList<QString> boxes = {"\r\nA", "\r\nB", "\r\nC", "\r\nD", "\r\nE", "\r\nF"};
  const QList<ReportRun> runs = BuildReport(r, boxes);
  ASSERT_EQ(runs.size(), 13);
  EXPECT_EQ(runs[0], (ReportRun{QString(28, ' ') + "QZ Free Kabbalah Numerology Interpretation\r\n\r\n", true, 12}));
  const char* const labels[] = {"Lucky Number :-7", "Lucky Color :-Mauve", "Money Number :-6",
                                "First Health Indication :-11", "First Health Influence :-11",
                                "Second Health Indication :-6"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(runs[1 + 2 * i], (ReportRun{QString::fromLatin1(labels[i]), true, 1}));
    EXPECT_EQ(runs[2 + 2 * i], (ReportRun{boxes[i] + "\r\n\r\n", false, 0}));
  }
}
