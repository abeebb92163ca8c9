#include "reading/core/challenges.h"

#include <cstdlib>

#include "reading/core/reduction.h"

namespace reading {

namespace {

const QString kHeading = QStringLiteral("Your Challenge Numbers are: ");
const QString kDescription = QStringLiteral(
    "This number indicates what you must understand and learn in the various cycles of your "
    "life. The four Challenge Numbers stand for the challenges of the coming future: the "
    "first belongs to the early part of life, the second to the middle years, the third is "
    "the main challenge that runs through your whole life, and the fourth belongs to the "
    "later years. Each one points to a weakness that, once faced, becomes a strength.");

const char* const kSubHeadings[4] = {"First Challenge Number is ", "Second Challenge Number is ",
                                     "Third Challenge Number is ", "Fourth Challenge Number is "};

const char* const kTexts[9] = {
    // 0
    "There is no consistent challenge during this period in particular. This is a time of "
    "steady growth without serious problems. Your challenge is the challenge of choice: with "
    "many paths open, you must have faith in yourself to pick one and follow it. It is also a "
    "chance to do something for others, since your own road is comparatively smooth.",
    // 1
    "You must learn independence, self-confidence and truthfulness. Others may try to "
    "dominate you, or you may swing the other way and become too forceful. Much of the "
    "lesson comes through trial and error. The tension and aggression you feel in hard times "
    "are preparing you for the challenges that come later; learn to stand up for yourself "
    "calmly.",
    // 2
    "Great sensitivity can bring fear, timidity and a lack of self-confidence. You may try to "
    "blend into the crowd and worry about what others say of you. Yet the same sensitivity "
    "makes you helpful and aware of other people's feelings. Build your inner strength so "
    "that kindness does not turn into self-doubt.",
    // 3
    "Do not run away from your own individuality. You are often your own worst critic, and "
    "you may hide your real feelings behind humour. Learn to speak openly without hurting "
    "others, and to value your creative gifts. The task is to bring out your true self.",
    // 4
    "There is a tendency towards disorder and impatience with detail. You must learn to be "
    "practical and organised and to build a firm platform for your life. There are no short "
    "cuts in this period; hard, methodical work is exactly what is rewarded.",
    // 5
    "Do not hurry through life. Restlessness may tempt you to chase every new experience, so "
    "be tolerant of routine and keep away from drugs, alcohol and other excesses. Be "
    "flexible, finish what you begin, and accept new roles as they come instead of fleeing "
    "responsibility.",
    // 6
    "A narrow vision and too much concern for others can weigh on you. You may set ideals so "
    "high that no one, yourself included, can meet them. Be practically ideal: expect less of "
    "others, grow in maturity, and take care of your own needs as well as everyone else's.",
    // 7
    "Seek peace through a spiritual view of life. You may feel apart from others, and too "
    "much pride can keep you from asking for help. Learn faith, and use your intuition "
    "instead of suppressing your feelings; understanding comes from within.",
    // 8
    "There is a hunger for money and power as a source of security and status. Chasing them "
    "too hard risks isolation from the people who matter. The challenge is to balance the "
    "spiritual and the material, and to use money as a tool rather than a measure of your "
    "worth.",
};

}  // namespace

QString Challenges::text() const {
  return QStringLiteral("%1 %2 %3 %4").arg(c[0]).arg(c[1]).arg(c[2]).arg(c[3]);
}

Challenges ChallengeNumbers(const Person& person) {
  Challenges r;
  r.d = FirstAndLastStep(DigitSum(person.day));
  r.m = GetMonthNumber(person.monthName);
  r.y = FirstAndLastStep(DigitSum(person.year));
  if (r.y >= 10) r.y = FirstAndLastStep(r.y);
  r.c[0] = std::abs(r.m - r.d);
  r.c[1] = std::abs(r.y - r.d);
  r.c[2] = std::abs(r.c[0] - r.c[1]);
  r.c[3] = std::abs(r.y - r.m);
  return r;
}

QString ChallengeMeaning(int value) {
  if (value < 0 || value > 8) return {};
  return QString::fromUtf8(kTexts[value]);
}

SectionRuns ChallengeSection(const Person& person, const QDate&, bool comprehensive) {
  const Challenges ch = ChallengeNumbers(person);
  SectionOptions o;
  o.twoBreaksAfterHeading = true;
  o.boldOffAfterHeading = true;
  o.hasMeaning = false;
  for (int i = 0; i < 4; ++i) {
    o.subSections.append({QString::fromLatin1(kSubHeadings[i]) + QString::number(ch.c[i]),
                          ChallengeMeaning(ch.c[i])});
  }
  return ReadingSection(kHeading, ch.text(), kDescription, QString(), comprehensive, o);
}

}  // namespace reading
