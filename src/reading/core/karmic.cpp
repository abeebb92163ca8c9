#include "reading/core/karmic.h"

#include <QHash>

#include "reading/core/birthday_balance.h"
#include "reading/core/core_inputs.h"
#include "reading/core/reduction.h"
#include "services/web_pages.h"

namespace reading {

namespace {

const QString kHpHeading = QStringLiteral("Your Hidden Passion Number is:");
const QString kHpDescription = QStringLiteral(
    "The Hidden Passion Number unleashes the special talents and strengths that seem to stand "
    "out from our personalities. It comes from the letter value that appears most often in "
    "your full name, and it shows the driving force that shapes your choices, often without "
    "your noticing: what you are drawn to, what you are good at, and what you most want to "
    "develop.");

const char* const kHpTexts[9] = {
    // 1
    "Originality and individuality are the strong hidden senses for this number. You are "
    "competitive, creative and intuitive, and ambition drives you to be first and to do "
    "things your own way. Your independence is a gift; watch that it does not turn into "
    "arrogance or a need to dominate others.",
    // 2
    "Your hidden passion is harmony. You are a peacemaker and a helpful team player who "
    "senses what others need. You are artistic, calm and sensitive, and you work best in "
    "partnership. Take care not to waste your energy on petty issues and small slights.",
    // 3
    "Creative expression and joy are your hidden passion. Writing, speaking and the arts "
    "attract you, and you are optimistic and charismatic, a natural motivator of others. "
    "Your talents are many; focus on a few so that they bear fruit.",
    // 4
    "Hard work and order are your hidden passion. You are steady, practical and disciplined, "
    "and you take pride in doing things properly. People rely on you. Guard against becoming "
    "rigid or losing yourself in details.",
    // 5
    "Adventure, travel and change are your hidden passion. You are curious, resourceful and "
    "unconventional, and you love freedom and new experiences. Your relationships may stay "
    "shallow if you keep moving; let a few of them grow deep.",
    // 6
    "Your hidden passion is to love and be loved. Family and friends mean everything to you, "
    "and you give compassion and sacrifice freely. You are a natural carer; be careful not to "
    "interfere too much in the lives of those you love.",
    // 7
    "Knowledge is your hidden passion. You are drawn to study, solitude and reflection, and "
    "your mind is intuitive and deep. You seek the truth behind appearances. You may seem "
    "reserved, and you can sink into low spirits if you spend too long alone.",
    // 8
    "You are a born leader and manager. Organised and authoritative, you work hard for "
    "money, status and power, and you have the drive to achieve them. Use your authority "
    "fairly, and your success will be respected as well as envied.",
    // 9
    "Your hidden passion is serving mankind. You are benevolent, wise, sensitive and "
    "emotional, and you feel deeply for the suffering of others. Do not suppress your own "
    "ideas in your wish to please: the world needs your vision.",
};

const QString kKlHeading = QStringLiteral("Your Karmic Lesson Number is: ");
const QString kKlDescription = QStringLiteral(
    "Karmic Lessons are areas that you are presently weak in, qualities that were neglected "
    "in the past and must be learned in this life. Each number that does not appear among the "
    "letter values of your name stands for one lesson; a person can have more than one "
    "lesson, or none at all when every value is present.");

const char* const kKlTexts[9] = {
    // 1
    "In this life span, situations frequently come up that force you to craft your own "
    "decisions. You must learn initiative and assertiveness, to stand up for yourself and to "
    "act without waiting for others. Self-confidence grows with each choice you make alone.",
    // 2
    "Small things, tact, diplomacy, patience and cooperation were neglected. You will meet "
    "situations that require you to work with others, to listen and to wait. Learn to value "
    "partnership and the details that make it work.",
    // 3
    "You must learn to loosen up and enjoy life instead of criticising yourself. Low "
    "self-esteem and fear of expressing yourself are the obstacles to overcome. Let your "
    "creativity and humour show.",
    // 4
    "There was an earlier dislike of order and method. Life will now ask you to work "
    "carefully, slowly and with a plan. Patience and steady effort, not short cuts, are what "
    "bring you security.",
    // 5
    "You must learn to live without fear of change. Constant change and small emergencies "
    "are your teachers. Learn from every experience, be adaptable, and use your freedom "
    "constructively.",
    // 6
    "You may get little help from family and associates, and relationships can be hard. Many "
    "obligations must be met. Learning to accept responsibility with love, and to give "
    "without resentment, is the lesson.",
    // 7
    "Faith and spirituality are learned through failure, loneliness and isolation. You must "
    "develop discipline and concentration, doing one task at a time and finishing it. Look "
    "inward for answers.",
    // 8
    "Wealth may be gained and lost. Independence and stubbornness can stand in your way. You "
    "must learn to handle money and authority wisely and to take charge of your own material "
    "affairs.",
    // 9
    "Emotional blows may come until you learn that others feel too. Compassion, tolerance and "
    "understanding for all kinds of people are the lesson. Broaden your outlook beyond your "
    "own concerns.",
};

const QString kKdHeading = QStringLiteral("Karmic Debt Number: ");
const QString kKdDescription = QStringLiteral(
    "This number signifies some mistake or misuse of opportunities in your previous lifetime "
    "that must be made good in this one. It appears when 13, 14, 16 or 19 stands among the "
    "sums behind your core numbers or as your birth day, and it brings an extra burden called "
    "Karmic Debt: difficulties that repeat until their lesson is learned.");

QString KdText(int number) {
  switch (number) {
    case 13:
      return QStringLiteral(
          "People with this number your kitty are hard worker and strugglers. In earlier lives "
          "you avoided hard work and let others carry the load; now you must apply discipline, "
          "focus and order. Obstacles seem to appear often, but steady, honest effort brings "
          "real and lasting success.");
    case 14:
      return QStringLiteral(
          "Freedom was abused in earlier lives, at the expense of others. Now you must use it "
          "wisely: avoid alcohol, drugs and other excesses, adapt to change without losing "
          "yourself in it, and stay modest and committed to the people and tasks you take on.");
    case 16:
      return QStringLiteral(
          "Love affairs were abused in earlier lives, causing hurt to others. The ego must now "
          "be subdued. The road may be painful, with sudden falls of what you have built, but "
          "it leads to humility and to a deep spiritual awareness.");
    case 19:
      return QStringLiteral(
          "Power was abused in earlier lives, for selfish ends. Now you are often made to stand "
          "alone: self-made, emotional and independent. The lesson is to accept help and "
          "advice, and to see that no one truly succeeds entirely by themselves.");
    default:
      return QStringLiteral("Not Applicable");
  }
}

bool IsDebt(int v) { return v == 13 || v == 14 || v == 16 || v == 19; }

}  // namespace

int HiddenPassionNumber(const Person& person) {
  const QString name = JoinedName(person);
  // The character met most often wins; of equal counts, the one met first.
  QHash<char16_t, int> counts;
  for (QChar c : name) ++counts[c.unicode()];
  int best = 0;
  QChar winner;
  for (QChar c : name) {
    const int count = counts.value(c.unicode());
    if (count > best) {
      best = count;
      winner = c;
    }
  }
  return best > 0 ? GetLetterValue(winner) : 0;
}

QString HiddenPassionMeaning(int number) {
  if (number < 1 || number > 9) return {};
  return QString::fromUtf8(kHpTexts[number - 1]);
}

SectionRuns HiddenPassionSection(const Person& person, const QDate&, bool comprehensive) {
  const int n = HiddenPassionNumber(person);
  return ReadingSection(kHpHeading, QString::number(n), kHpDescription, HiddenPassionMeaning(n),
                        comprehensive);
}

KarmicLessons KarmicLessonNumbers(const Person& person) {
  bool present[10] = {};
  for (QChar c : JoinedName(person)) present[GetLetterValue(c)] = true;
  KarmicLessons r;
  for (int k = 1; k <= 9; ++k) {
    if (present[k]) continue;
    r.missing.append(k);
    r.list += QLatin1Char(' ') + QString::number(k);
    r.text += kCrLf + QString::number(k) + kCrLf + KarmicLessonText(k);
  }
  return r;
}

QString KarmicLessonText(int value) {
  if (value < 1 || value > 9) return {};
  return QString::fromUtf8(kKlTexts[value - 1]);
}

SectionRuns KarmicLessonsSection(const Person& person, const QDate&, bool) {
  const KarmicLessons kl = KarmicLessonNumbers(person);
  SectionWriter w;
  w.Bold(true).Color(kSectionColor);
  w.Add(kKlHeading + kl.list + kTwoBreaks);
  w.Add(kKlDescription + kCrLf);
  w.Add(kl.text + kTwoBreaks);
  w.Add(ReportFooter() + kTwoBreaks);
  w.Add(kTwoBreaks);
  return w.runs();
}

KarmicDebt KarmicDebtFromSources(int lifePath, int destiny, int soulUrge, int innerDreams,
                                 int birthDay) {
  struct Source { int value; const char* name; };
  const Source sources[] = {{lifePath, "LifePath"},     {destiny, "Destiny"},
                            {soulUrge, "SoulUrge"},     {innerDreams, "InnerDream"},
                            {birthDay, "BirthDay"}};
  KarmicDebt r;
  QStringList sentences;
  for (const Source& s : sources) {
    if (!IsDebt(s.value)) continue;
    r.number = s.value;
    sentences << QStringLiteral("Your Karmic Debt Number is %1 and it is present in %2 Number.")
                     .arg(s.value)
                     .arg(QLatin1String(s.name));
  }
  r.sentences = sentences.isEmpty()
                    ? QStringLiteral("Your Karmic Debt Number is not applicable.")
                    : sentences.join(QLatin1Char(' '));
  return r;
}

KarmicDebt KarmicDebtNumber(const Person& person) {
  const CoreValues core = ComputeCoreValues(person);
  return KarmicDebtFromSources(core.lifePathSource, core.destinySum, core.soulUrgeSum,
                               core.innerDreamsSum, BirthDayNumber(person));
}

QString KarmicDebtMeaning(int number) { return KdText(number); }

SectionRuns KarmicDebtSection(const Person& person, const QDate&, bool comprehensive) {
  const int d = KarmicDebtNumber(person).number;
  return ReadingSection(kKdHeading, QString::number(d), kKdDescription, KarmicDebtMeaning(d),
                        comprehensive);
}

}  // namespace reading
