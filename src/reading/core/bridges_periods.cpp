#include "reading/core/bridges_periods.h"

#include <cstdlib>

#include "reading/core/core_inputs.h"
#include "reading/core/reduction.h"
#include "services/text_rules.h"

namespace reading {

namespace {

const QString kHpHeading = QStringLiteral("Your H/P Bridge Number is: ");
const QString kHpDescription = QStringLiteral(
    "This number tries to close the gap between how you think you are projecting yourself "
    "and the way people see you. It is the distance between your Heart's Desire (Soul Urge) "
    "and your Personality (Inner Dreams) numbers, and it shows the quality you can develop to "
    "bring what you feel inside and what you show outside closer together.");

const QString kLeHeading = QStringLiteral("Your L/E Bridge Number is: ");
const QString kLeDescription = QStringLiteral(
    "This number answers the 'whom' in you.  It is the distance between your Life Path and "
    "your Expression (Destiny) numbers, and it tells you how to close the gap between the "
    "path of your life and the talents you were given to walk it. Working on the quality it "
    "names makes your road smoother and your gifts easier to use.");

// Keys 6 to 8 are shared by both bridges.
const char* const kHpTexts[9] = {
    // 0
    "This is very lucky number and you will make people feel comfortable around you. What "
    "you feel and what you show are in tune, so people sense your sincerity. Life may go "
    "haywire for a while when your Life Path or Expression equals both your Heart's Desire and "
    "your Personality number, since everything then pulls in one direction; but that will not "
    "last for ever, and balance returns.",
    // 1
    "Know your strengths and let them show. Say no when you mean no, and do not hide your "
    "wishes to keep others happy. Express yourself openly and take charge when the situation "
    "calls for it; people will see the leader you feel you are.",
    // 2
    "Influence others gently rather than by pressure. Do not hurry people or decisions. Be "
    "sensitive to the wishes of those around you and keep good relations; your quiet "
    "diplomacy is what makes your inner warmth visible.",
    // 3
    "Do not lose heart when you are hurt. Share your feelings instead of hiding them behind a "
    "smile, and keep faith in yourself. Arts, music and writing are fine channels to show "
    "the person you are inside.",
    // 4
    "Do not let confusion or indecision hold you back. Be reliable, punctual and methodical, "
    "so that others see the solid person you know yourself to be. Enjoy nature to restore "
    "your balance, and dare to explore new projects.",
    // 5
    "Cultivate flexibility and adaptability. Be adventurous and take some risks, letting "
    "others see your love of freedom. At the same time stay balanced, independent and "
    "consistent, so that your changes look like growth rather than restlessness.",
    // 6
    "Spend time with your family and show your love openly. Trust people, and take on your "
    "share of responsibility. When tension rises, creative work such as cooking, gardening "
    "or music brings you back to calm.",
    // 7
    "Spend time alone with spiritual matters. Knowledge gained through study and research "
    "brings your inner and outer selves together. You find happiness in inner reflection; "
    "let others glimpse what you discover there.",
    // 8
    "There are no short cuts for you. Cultivate your ambition and do not fear money and "
    "success. Work hard and manage your resources well: financial stability gives you the "
    "security to be fully yourself.",
};

const char* const kLeTexts[6] = {
    // 0
    "You will probably experience a great deal of peace in your life. Your path and your "
    "talents point the same way, a very lucky combination that means steady progress. Make "
    "the most of it by setting goals worthy of that harmony.",
    // 1
    "Act on your own, with creativity and self-confidence. Trust your intuition and decide "
    "for yourself instead of waiting for approval. Each independent step brings your path and "
    "your talents closer together.",
    // 2
    "Be confident and open-minded, and show your loving nature. Work on your diplomacy and "
    "help others without seeking credit for it, but do not let yourself be used. Cooperation "
    "is your bridge.",
    // 3
    "Have fun and relax; life need not be so serious. Express yourself through dance, music "
    "or writing, and enjoy the company of people. Joy and self-expression are your bridge.",
    // 4
    "Do not put things off. Become practical, hard-working and reliable, and finish what you "
    "start. Be firm and persistent: steady effort is your bridge.",
    // 5
    "Become more daring and unconventional. Take risks, be adaptable and tolerant of others' "
    "ways, and be ready to compromise at times. Change, well used, is your bridge.",
};

const QString kPeriodsHeading = QStringLiteral("Your Current LifePath Period Number is: ");
const QString kPeriodsDescription = QStringLiteral(
    "This number describes the general influences on the life of a person. Life is divided "
    "into three cycles: the first, formative cycle from birth into the late twenties; the "
    "second, productive cycle through the middle years; and the third, harvest cycle of the "
    "later years. Each cycle has its own number, shown below with its ages, and the heading "
    "tells you which cycle you are in now.");

QString PeriodMeaningText(int l) {
  switch (l) {
    case 1:
      return QStringLiteral(
          " It's a time of progress. Pursue your goals with determination and rely on your own "
          "judgement. This cycle asks you to be independent and to struggle through the "
          "obstacles in your way; each one you pass makes you stronger.");
    case 2:
      return QStringLiteral(
          "Slow and steady wins the race. This cycle calls for patience, peacemaking and "
          "cooperation. Partnerships matter, and artistic fields such as music can bring you "
          "great satisfaction.");
    case 3:
      return QStringLiteral(
          "You have the maturity for new challenges. Success is possible in the arts, poetry "
          "and acting, and your charm wins you friends. Keep your focus on your goals so that "
          "your energy is not scattered.");
    case 4:
      return QStringLiteral(
          "This is a time of hard work. Build a concrete platform for the rest of your life "
          "and secure your future. Be practical and organised; the results come slowly but "
          "they last.");
    case 5:
      return QStringLiteral(
          "Expect rapid changes, perhaps of work and of home. You seek freedom from burdens and "
          "welcome variety. Languages, writing and travel favour you in this cycle.");
    case 6:
      return QStringLiteral(
          "The love of your family grows, and so does your responsibility. This is the best "
          "cycle for marriage and for joint ventures. Adaptability keeps your relationships "
          "harmonious.");
    case 7:
      return QStringLiteral(
          "A cycle of inner, spiritual development. Science, philosophy and meditation attract "
          "you. What you learn you can pass on: you may teach and counsel others.");
    case 8:
      return QStringLiteral(
          "A turning point in your career. Hard work and leadership bring advancement, and "
          "your financial strength can grow considerably. Use your power with fairness.");
    case 9:
      return QStringLiteral(
          "You feel strongly for the social well-being of others. Patience, love and devotion "
          "mark this cycle, and serving humankind brings your deepest fulfilment.");
    case 11:
      return QStringLiteral(
          "Spiritual growth stands above material concerns in this cycle. Your intuition and "
          "ideals are strong; stay grounded in daily life, and share what you learn with "
          "those around you.");
    default:
      return {};
  }
}

const char* const kPeriodTexts[3] = {
    "The first Life Path Period begins at birth (early years). It is the cycle of "
    "development and learning, when family, surroundings and schooling shape you and you lay "
    "the foundation of the person you are becoming.",
    "The second Life Path Period is our most productive time of life, reaching into middle "
    "age. Family, career and the demands of daily life fill it, and the talents developed in "
    "the first period are put to work.",
    "The third Life Path Period is a time for introspection. Building on the first two, you "
    "gather the harvest of your efforts, and life can become calm and peaceful, with room to "
    "share your experience with others.",
};

}  // namespace

int BridgeNumber(int a, int b) { return ReduceDigits(QString::number(std::abs(a - b))); }

int HPBridgeNumber(const Person& person) {
  const CoreValues core = ComputeCoreValues(person);
  return BridgeNumber(core.soulUrge, core.innerDreams);
}

int LEBridgeNumber(const Person& person) {
  const CoreValues core = ComputeCoreValues(person);
  return BridgeNumber(core.destiny, core.lifePath);
}

QString HPBridgeMeaning(int bridge) {
  if (bridge < 0 || bridge > 8) return {};
  return QString::fromUtf8(kHpTexts[bridge]);
}

QString LEBridgeMeaning(int bridge) {
  if (bridge < 0 || bridge > 8) return {};
  if (bridge >= 6) return HPBridgeMeaning(bridge);
  return QString::fromUtf8(kLeTexts[bridge]);
}

SectionRuns HPBridgeSection(const Person& person, const QDate&, bool comprehensive) {
  const int b = HPBridgeNumber(person);
  return ReadingSection(kHpHeading, QString::number(b), kHpDescription, HPBridgeMeaning(b),
                        comprehensive);
}

SectionRuns LEBridgeSection(const Person& person, const QDate&, bool comprehensive) {
  const int b = LEBridgeNumber(person);
  return ReadingSection(kLeHeading, QString::number(b), kLeDescription, LEBridgeMeaning(b),
                        comprehensive);
}

LifePathPeriods LifePathPeriodNumbers(const Person& person, const QDate& today) {
  LifePathPeriods r;
  const QString year = TrimBlanks(person.year);
  r.m = GetMonthNumber(TrimBlanks(person.monthName));
  r.d = ReduceDigits(TrimBlanks(person.day));
  r.y = ReduceDigits(year);
  r.lifePath = ReduceDigits(QString::number(r.m + r.d + r.y));
  const int row = r.lifePath == 11 ? 1 : r.lifePath;
  static const int kFirstEnd[10] = {0, 26, 25, 24, 23, 31, 30, 29, 28, 27};
  r.firstEnd = (row >= 1 && row <= 9) ? kFirstEnd[row] : 0;
  r.secondEnd = row == 4 ? 59 : r.firstEnd + 27;
  r.age = today.year() - year.toInt();
  if (r.age < 0) r.current = 0;
  else if (r.age <= r.firstEnd) r.current = 1;
  else if (r.age <= r.secondEnd) r.current = 2;
  else r.current = 3;
  r.lines[0] = QStringLiteral("Life Path Period 1 from age 0 - %1 is %2").arg(r.firstEnd).arg(r.m);
  r.lines[1] = QStringLiteral("Life Path Period 2 from age %1 - %2 is %3")
                   .arg(r.firstEnd + 1).arg(r.secondEnd).arg(r.d);
  r.lines[2] = QStringLiteral("Life Path Period 3 from age %1 on is %2").arg(r.secondEnd + 1).arg(r.y);
  return r;
}

QString LifePathPeriodMeaning(int lifePath) { return PeriodMeaningText(lifePath); }

QString LifePathPeriodText(int period) {
  if (period < 1 || period > 3) return {};
  return QString::fromUtf8(kPeriodTexts[period - 1]);
}

SectionRuns LifePathPeriodsSection(const Person& person, const QDate& today, bool comprehensive) {
  const LifePathPeriods p = LifePathPeriodNumbers(person, today);
  SectionOptions o;
  o.boldOffAfterHeading = true;
  for (int i = 0; i < 3; ++i) o.subSections.append({p.lines[i], LifePathPeriodText(i + 1)});
  return ReadingSection(kPeriodsHeading, QString::number(p.current), kPeriodsDescription,
                        LifePathPeriodMeaning(p.lifePath), comprehensive, o);
}

}  // namespace reading
