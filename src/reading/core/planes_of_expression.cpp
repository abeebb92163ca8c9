#include "reading/core/planes_of_expression.h"

#include <cstring>

#include "services/web_pages.h"

namespace reading {

namespace {

const char* const kPlaneLetters[4] = {"AGHJLNP", "DEMW", "BIORSTXZ", "CFKQUVY"};
const char* const kPlaneNames[4] = {"Mental", "Physical", "Emotional", "Intuitive"};
const char* const kLineLabels[4] = {"Mental Ability ", "Physical Ability ", "Emotional Ability ",
                                    "Intuitive Ability "};
// Highest percentage still Weak, and still Average.
const int kWeakMax[4] = {25, 17, 20, 11};
const int kAverageMax[4] = {32, 23, 34, 17};

const QString kDescription = QStringLiteral(
    "These numbers shows a person's temperament and expression. Every letter of the name "
    "belongs to one of four planes: the Mental plane of the mind, the Physical plane of the "
    "body, the Emotional plane of the heart and the Intuitive plane of the spirit. The share "
    "of your name that falls in each plane shows which of these ways of experiencing life are "
    "stronger in you and which are weaker.");

struct PlaneText {
  const char* heading;
  const char* text;
};
// In the order the section shows them.
const PlaneText kPlaneTexts[4] = {
    {"Plane of expression: Physical (body):",
     "Physical Plane of Expression tells how you react and can adjust to the physical world "
     "around you. It concerns the senses, the body and practical, material matters: your "
     "strengths and weaknesses in handling money, work with your hands, health and the "
     "concrete tasks of daily life. A strong physical plane gives stamina and common sense; a "
     "weak one asks you to take better care of the body and of practical details."},
    {"Planes of expression: Mental (mind): ",
     "Mental Plane of Expression describes your thought process and how your mind works in "
     "different situations. It covers logic, learning, thinking and problem solving: how "
     "readily you analyse, plan and understand. A strong mental plane brings a sharp, "
     "organised intellect; a weak one suggests you decide more by feeling or instinct than by "
     "reasoning."},
    {"Plane of Expression: Emotional (heart): ",
     "Your heart rules your emotional senses. This plane shows your sensitivity, the way you "
     "react to situations and people, and your emotional intelligence. A strong emotional "
     "plane gives warmth, imagination and empathy, though feelings may at times overrule good "
     "sense; a weak one brings calm and detachment but asks you to let your feelings show."},
    {"Plane of Expression: Intuitive (spirit):",
     "This plane reveals how sensitive you are about your inner self. It covers your "
     "intuitive gifts, your spirituality and your understanding of what lies beyond the "
     "visible. A strong intuitive plane brings insight, hunches that prove right and a feel "
     "for the spiritual side of life; a weak one means you trust facts and experience more "
     "than inner voices."},
};

}  // namespace

int PlaneOf(QChar c) {
  if (c.unicode() > 127) return -1;
  for (int p = 0; p < 4; ++p) {
    if (c.unicode() != 0 && std::strchr(kPlaneLetters[p], char(c.unicode()))) return p;
  }
  return -1;
}

QString PlaneRating(PlaneOfExpression plane, int percent) {
  const int p = int(plane);
  if (percent <= kWeakMax[p]) return QStringLiteral("Weak");
  if (percent <= kAverageMax[p]) return QStringLiteral("Average");
  return QStringLiteral("Strong");
}

PersonalAspects PersonalAspectNumbers(const Person& person) {
  const QString name = JoinedName(person);
  PersonalAspects r;
  r.length = int(name.size());
  for (QChar c : name) {
    const int p = PlaneOf(c);
    if (p >= 0) ++r.count[p];
  }
  QStringList labelParts;
  QStringList lines;
  for (int p = 0; p < 4; ++p) {
    // No division for a name without characters: every share is 0.
    r.percent[p] = r.length > 0 ? int(qint64(r.count[p]) * 100 / r.length) : 0;
    r.rating[p] = PlaneRating(PlaneOfExpression(p), r.percent[p]);
    labelParts << QString::number(r.percent[p]) << r.rating[p];
    lines << QString::fromLatin1(kLineLabels[p]) + QString::number(r.percent[p]) +
                 QStringLiteral(" - ") + r.rating[p] + (p < 3 ? QStringLiteral(" ") : QString());
  }
  for (int p = 0; p < 4; ++p) {
    bool greatest = true;
    for (int q = 0; q < 4; ++q) {
      if (q != p && r.percent[p] <= r.percent[q]) greatest = false;
    }
    if (greatest) {
      r.dominant = QString::fromLatin1(kPlaneNames[p]);
      break;
    }
  }
  r.label = labelParts.join(QLatin1Char(' '));
  r.summary = lines.join(kCrLf);
  return r;
}

SectionRuns PersonalAspectsSection(const Person& person, const QDate&, bool comprehensive) {
  const PersonalAspects a = PersonalAspectNumbers(person);
  SectionWriter w;
  w.Bold(true).Color(kSectionColor);
  w.Add(QStringLiteral("Your Planes of Expression is towards ") + a.dominant + kTwoBreaks +
        QStringLiteral("Your Personal Aspects: ") + kCrLf + a.summary + kTwoBreaks);
  if (!comprehensive) w.Add(kDescription + kTwoBreaks);
  w.Color(kSubHeadingColor);
  for (const PlaneText& t : kPlaneTexts) {
    w.Add(QString::fromLatin1(t.heading) + kCrLf + QString::fromUtf8(t.text) + kTwoBreaks);
  }
  w.Bold(false);
  w.Add(ReportFooter() + kTwoBreaks);
  w.Add(kTwoBreaks);
  return w.runs();
}

}  // namespace reading
