#include <gtest/gtest.h>

#include <QRegularExpression>

#include "reading/core/comprehensive.h"
#include "reading/core/core_numbers.h"
#include "reading/core/reading_section.h"
#include "services/web_pages.h"

using namespace reading;

namespace reading {
void PrintTo(const CoreNumber& n, std::ostream* os) { *os << n.number << " (sum " << n.karmicDebtSource << ")"; }
}  // namespace reading

namespace {
Person Named(const QString& first, const QString& middle, const QString& last) {
  return Person{first, middle, last, "August", "6", "1979"};
}
Person Born(const QString& day, const QString& month, const QString& year) {
  return Person{"JOHN", "", "SMITH", month, day, year};
}
}  // namespace

TEST(CoreNumbers, LifePathTakesOneStepForDayAndYear) {
  struct Case {
    const char* day;
    const char* month;
    const char* year;
    int number;
    int source;
  };
  const Case cases[] = {
      {"6", "August", "1979", 22, 6},      // 6 + 8 + (26 -> 8) = 22, kept
      {"29", "October", "1999", 4, 11},    // (11 -> 2) + 1 + (28 -> 10) = 13 -> 4
      {"19", "January", "1901", 4, 10},    // (10 -> 1) + 1 + (11 -> 2) = 4
      {"28", "February", "1900", 4, 10},   // 1 + 2 + (10 -> 1) = 4
      {"2", "September", "1900", 3, 2},    // 2 + 9 + 1 = 12 -> 3
      {"1", "September", "1900", 11, 1},   // 1 + 9 + 1 = 11, kept
      {"3", "December", "1904", 11, 3},    // 3 + 3 + (14 -> 5) = 11, kept
      {"9", "September", "1999", 1, 9},    // 9 + 9 + 10 = 28 -> 10 -> 1
  };
  for (const Case& c : cases) {
    const CoreNumber n = LifePath(c.day, c.month, c.year);
    EXPECT_EQ(n.number, c.number) << c.day << " " << c.month << " " << c.year;
    EXPECT_EQ(n.karmicDebtSource, c.source) << c.day;
  }
  EXPECT_EQ(LifePath(Born("6", "August", "1979")).number, 22);
}

TEST(CoreNumbers, NameNumbersOnTheCasesThatMatter) {
  struct Case {
    Person person;
    CoreNumber destiny;
    CoreNumber soulUrge;
    CoreNumber innerDreams;
  };
  const Case cases[] = {
      {Named("JOHN", "", "SMITH"), {8, 44}, {6, 15}, {11, 29}},
      // Y is the only vowel-like letter: it counts in both.
      {Named("LYNN", "", ""), {2, 20}, {7, 7}, {2, 20}},
      // Y counts for Soul Urge only when there is no other vowel.
      {Named("YAN", "", ""), {4, 13}, {1, 1}, {3, 12}},
      // Trimmed names; blanks inside and around add nothing.
      {Named("  JOHN ", "   ", " SMITH  "), {8, 44}, {6, 15}, {11, 29}},
      // Digits, signs and lower case add nothing.
      {Named("123-4", "", "john"), {0, 0}, {0, 0}, {0, 0}},
      {Named("JOHN", "PAUL", "SMITH"), {4, 58}, {1, 19}, {3, 39}},
  };
  for (const Case& c : cases) {
    const QString who = c.person.firstName + "|" + c.person.middleName + "|" + c.person.lastName;
    EXPECT_EQ(Destiny(c.person), c.destiny) << who.toStdString();
    EXPECT_EQ(SoulUrge(c.person), c.soulUrge) << who.toStdString();
    EXPECT_EQ(InnerDreams(c.person), c.innerDreams) << who.toStdString();
  }
}

TEST(CoreNumbers, LongNamesAddUpBeyondSixteenBits) {
  const Person p = Named(QString(5000, u'Z'), "", "");
  EXPECT_EQ(Destiny(p).karmicDebtSource, 40000);
  EXPECT_EQ(Destiny(p).number, 4);
  EXPECT_EQ(InnerDreams(p).karmicDebtSource, 40000);
  EXPECT_EQ(SoulUrge(Named(QString(4000, u'I'), "", "")).karmicDebtSource, 36000);
}

TEST(CoreNumbers, EveryKeyHasARealMeaningAndOtherValuesNone) {
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}) {
    for (const QString& text : {LifePathMeaning(n), DestinyMeaning(n), SoulUrgeMeaning(n), InnerDreamsMeaning(n)}) {
      EXPECT_GT(text.size(), 80) << n;
    }
    // Destiny: positive, a line break, negative; 4 has a third paragraph between them.
    EXPECT_EQ(DestinyMeaning(n).count("\r\n"), n == 4 ? 2 : 1) << n;
  }
  for (int n : {0, 10, 12, 33, -1}) {
    EXPECT_TRUE(LifePathMeaning(n).isEmpty());
    EXPECT_TRUE(DestinyMeaning(n).isEmpty());
    EXPECT_TRUE(SoulUrgeMeaning(n).isEmpty());
    EXPECT_TRUE(InnerDreamsMeaning(n).isEmpty());
  }
  // The meanings differ from number to number.
  EXPECT_NE(LifePathMeaning(1), LifePathMeaning(2));
  EXPECT_NE(SoulUrgeMeaning(11), SoulUrgeMeaning(2));
}

TEST(CoreNumbers, SectionsHaveTheirHeadingsBreaksAndFormat) {
  const Person john = Named("JOHN", "", "SMITH");
  struct Case {
    SectionRuns (*section)(const Person&, bool);
    QString headingSingle;
    QString headingComprehensive;
    QString opening;
  };
  const Case cases[] = {
      {LifePathSection, "Your LifePath Number is: 22\r\n\r\n", "Your LifePath Number is: 22\r\n\r\n",
       "This is one of the most important numbers."},
      {DestinySection, "Your Destiny Number is: 8\r\n\r\n", "Your Destiny Number is: 8\r\n",
       "This number describes your vibration in the world"},
      {SoulUrgeSection, "Your Soul Urge Number is:6\r\n\r\n", "Your Soul Urge Number is:6\r\n",
       "This number tries to close the gap"},
      {InnerDreamsSection, "Your InnerDream Number is: 11\r\n\r\n", "Your InnerDream Number is: 11\r\n",
       "As the name suggests this number is associated with your personality"},
  };
  for (const Case& c : cases) {
    for (bool comprehensive : {false, true}) {
      const SectionRuns runs = c.section(john, comprehensive);
      const QString text = PlainText(runs);
      const QString heading = comprehensive ? c.headingComprehensive : c.headingSingle;
      ASSERT_TRUE(text.startsWith(heading + c.opening)) << text.left(120).toStdString();
      EXPECT_TRUE(text.endsWith(ReportFooter() + "\r\n\r\n\r\n\r\n")) << heading.toStdString();
      // Everything bold in colour 3.
      for (const TextRun& run : runs) {
        EXPECT_TRUE(run.bold);
        EXPECT_EQ(run.color, 3);
      }
    }
  }
  // The meaning follows the description.
  EXPECT_TRUE(PlainText(DestinySection(john, false)).contains(DestinyMeaning(8) + "\r\n\r\n" + ReportFooter()));
}

TEST(CoreNumbers, NameWithoutValuedLettersShowsZeroAndNoMeaning) {
  const QString text = PlainText(DestinySection(Named("123", "", "456"), false));
  EXPECT_TRUE(text.startsWith("Your Destiny Number is: 0\r\n\r\n"));
  // Description, then an empty meaning, then the footer.
  EXPECT_TRUE(QRegularExpression("\\r\\n\\r\\n\\r\\n\\r\\nReport Generated By ").match(text).hasMatch());
}

TEST(ComprehensiveReading, HeaderFromTheFieldsAsTheyStand) {
  EXPECT_EQ(ComprehensiveHeader(Named("JOHN", "", "SMITH")),
            "Name: JOHN  SMITH\r\nDate of Birth: August 6, 1979\r\n\r\n");
  EXPECT_EQ(ComprehensiveHeader(Person{"ANN ", "MARIE", "LEE", "May", "31", "2001"}),
            "Name: ANN  MARIE LEE\r\nDate of Birth: May 31, 2001\r\n\r\n");
}

TEST(ComprehensiveReading, TwentyTwoNumbersInTheReadingOrder) {
  const QStringList order = {
      "cmdLifePath",          "cmdDestiny",         "cmdSoulUrge",           "cmdInnerDreams",
      "cmdBirthDay",          "cmdChallenge",       "cmdPersonal",           "cmdPersonalDay",
      "cmdPersonalMonth",     "cmdLifePathPeriods", "cmdMaturityNumber",     "cmdEssence",
      "cmdPersonalAspects",   "cmdPinnaclePhases",  "cmdHiddenPassionNumber", "cmdKarmicLessonsNumber",
      "cmdBalanceNumber",     "cmdKarmicDebtNumbers", "cmdSubconsciousSelfNumber", "cmdLEBidgeNumber",
      "cmdHPBridgeNumber",    "cmdRationalThoughtNumber"};
  QStringList buttons;
  for (const ReadingNumber& n : ReadingNumbers()) buttons << n.button;
  EXPECT_EQ(buttons, order);

  // The report: header, four empty lines, then the sections in that order, then two breaks.
  const Person john = Named("JOHN", "", "SMITH");
  const QDate today(2024, 3, 15);
  const SectionRuns runs = ComprehensiveReadingRuns(john, today);
  ASSERT_FALSE(runs.isEmpty());
  EXPECT_FALSE(runs.front().bold);
  EXPECT_EQ(runs.front().color, 0);
  const QString text = PlainText(runs);
  EXPECT_TRUE(text.startsWith("Name: JOHN  SMITH\r\nDate of Birth: August 6, 1979\r\n\r\n\r\n\r\n\r\n"
                              "Your LifePath Number is: 22\r\n\r\n"));
  // Each section opens with its heading right after the previous one's footer and line breaks.
  const char* const headings[] = {"Your LifePath Number is: 22\r\n\r\n",
                                  "Your Destiny Number is: 8\r\n",
                                  "Your Soul Urge Number is:6\r\n",
                                  "Your InnerDream Number is: 11\r\n",
                                  "Your BirthDay Number is: ",
                                  "Your Challenge Numbers are: ",
                                  "Your Personal Year is: ",
                                  "Your Personal Day is:",
                                  "Your Personal Month Number is: ",
                                  "Your Current LifePath Period Number is: ",
                                  "Your Maturity Number is: ",
                                  "Your Essence Number is: ",
                                  "Your Planes of Expression is towards ",
                                  "Pinnacle Phases\r\n\r\n",
                                  "Your Hidden Passion Number is:",
                                  "Your Karmic Lesson Number is: ",
                                  "Your Balance Number is: ",
                                  "Karmic Debt Number: ",
                                  "Your Subconscious Self Number is: ",
                                  "Your L/E Bridge Number is: ",
                                  "Your H/P Bridge Number is: ",
                                  "Your Rational Thought Number is: "};
  const QString sectionEnd = ReportFooter() + "\r\n\r\n\r\n\r\n";
  qsizetype at = text.indexOf("Your LifePath");
  for (const char* heading : headings) {
    ASSERT_TRUE(text.mid(at).startsWith(heading)) << heading << " <> " << text.mid(at, 60).toStdString();
    const qsizetype end = text.indexOf(sectionEnd, at);
    ASSERT_GE(end, 0) << heading;
    at = end + sectionEnd.size();
  }
  EXPECT_EQ(text.mid(at), "\r\n\r\n");
  // The same person and day give the same report.
  EXPECT_EQ(PlainText(ComprehensiveReadingRuns(john, today)), text);
}
