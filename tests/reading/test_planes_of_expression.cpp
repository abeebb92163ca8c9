#include <gtest/gtest.h>

#include "reading/core/planes_of_expression.h"
#include "reading/core/reading_numbers.h"
#include "services/web_pages.h"

using namespace reading;

namespace {
Person P(const QString& first, const QString& middle, const QString& last) {
  return Person{first, middle, last, "August", "6", "1979"};
}
const QDate kToday(2026, 12, 8);
}  // namespace

TEST(ReadingPersonalAspects, NamesTable) {
  struct Row { const char* first; const char* middle; const char* last; const char* label; const char* dominant; };
  const Row rows[] = {
      {"BRUCE", "", "SMITH", "10 Weak 20 Average 50 Strong 20 Strong", "Emotional"},
      {"JOHN", "", "SMITH", "44 Strong 11 Weak 44 Strong 0 Weak", ""},  // tie at the top
      {"MARY-ANN", "", "", "50 Strong 12 Weak 12 Weak 12 Average", "Mental"},  // the hyphen counts in L
      {"ANNA", "", "lee", "57 Strong 0 Weak 0 Weak 0 Weak", "Mental"},  // small letters count in L only
      {"", "", "", "0 Weak 0 Weak 0 Weak 0 Weak", ""},              // no letter at all: no division
      {"   ", "  ", " ", "0 Weak 0 Weak 0 Weak 0 Weak", ""},        // blanks only, trimmed away
      {"123", "", "", "0 Weak 0 Weak 0 Weak 0 Weak", ""},
  };
  for (const Row& r : rows) {
    const PersonalAspects a = PersonalAspectNumbers(P(r.first, r.middle, r.last));
    EXPECT_EQ(a.label, r.label) << r.first << "|" << r.middle << "|" << r.last;
    EXPECT_EQ(a.dominant, r.dominant) << r.first;
  }
}

TEST(ReadingPersonalAspects, BandEdges) {
  struct Row { PlaneOfExpression plane; int weakMax, averageMax; };
  const Row rows[] = {{PlaneOfExpression::Mental, 25, 32},
                      {PlaneOfExpression::Physical, 17, 23},
                      {PlaneOfExpression::Emotional, 20, 34},
                      {PlaneOfExpression::Intuitive, 11, 17}};
  for (const Row& r : rows) {
    EXPECT_EQ(PlaneRating(r.plane, 0), "Weak");
    EXPECT_EQ(PlaneRating(r.plane, r.weakMax), "Weak");
    EXPECT_EQ(PlaneRating(r.plane, r.weakMax + 1), "Average");
    EXPECT_EQ(PlaneRating(r.plane, r.averageMax), "Average");
    EXPECT_EQ(PlaneRating(r.plane, r.averageMax + 1), "Strong");
    EXPECT_EQ(PlaneRating(r.plane, 100), "Strong");
  }
}

TEST(ReadingPersonalAspects, SectionLayoutInBothModes) {
  const Person bruce = P("BRUCE", "", "SMITH");
  const QString summary =
      "Mental Ability 10 - Weak \r\nPhysical Ability 20 - Average \r\nEmotional Ability 50 - Strong \r\n"
      "Intuitive Ability 20 - Strong";
  EXPECT_EQ(PersonalAspectNumbers(bruce).summary, summary);
  const QString opening = "Your Planes of Expression is towards Emotional\r\n\r\nYour Personal Aspects: \r\n" + summary +
                          "\r\n\r\n";
  const SectionRuns comp = PersonalAspectsSection(bruce, kToday, true);
  ASSERT_EQ(comp.size(), 3);
  EXPECT_EQ(comp[0], (TextRun{opening, true, 3}));
  EXPECT_TRUE(comp[1].bold);
  EXPECT_EQ(comp[1].color, 4);
  const char* headings[] = {"Plane of expression: Physical (body):\r\nPhysical Plane of Expression tells how you react",
                            "Planes of expression: Mental (mind): \r\nMental Plane of Expression describes your thought",
                            "Plane of Expression: Emotional (heart): \r\nYour heart rules your emotional senses.",
                            "Plane of Expression: Intuitive (spirit):\r\nThis plane reveals how sensitive you are"};
  int at = 0;
  for (const char* h : headings) {
    const int found = int(comp[1].text.indexOf(h));
    EXPECT_GE(found, at) << h;  // present and in this order
    at = found;
  }
  EXPECT_TRUE(comp[1].text.endsWith(".\r\n\r\n"));
  EXPECT_EQ(comp[2], (TextRun{ReportFooter() + "\r\n\r\n\r\n\r\n", false, 4}));

  const SectionRuns single = PersonalAspectsSection(bruce, kToday, false);
  ASSERT_EQ(single.size(), 3);  // the description continues the opening run
  EXPECT_EQ(single[0].text.left(opening.size()), opening);
  EXPECT_TRUE(single[0].text.mid(opening.size()).startsWith("These numbers shows a person's temperament and expression."));
  EXPECT_TRUE(single[0].bold);
  EXPECT_EQ(single[1], comp[1]);
  EXPECT_EQ(single[2], comp[2]);
  // An empty name still lays out a whole section.
  EXPECT_TRUE(PlainText(PersonalAspectsSection(P("", "", ""), kToday, true))
                  .startsWith("Your Planes of Expression is towards \r\n\r\nYour Personal Aspects: \r\nMental Ability 0 - Weak "));
  EXPECT_EQ(HiddenLabelText("cmdPersonalAspects", bruce, kToday), "10 Weak 20 Average 50 Strong 20 Strong");
}
