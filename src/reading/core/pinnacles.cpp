#include "reading/core/pinnacles.h"

#include "reading/core/reduction.h"
#include "services/text_rules.h"

namespace reading {

namespace {

const QString kHeading = QStringLiteral("Pinnacle Phases");
const QString kDescription = QStringLiteral(
    "Pinnacles represent moments in your life in which you understand the goals you have to "
    "achieve and the way to reach them. Knowing your pinnacle numbers prepares you for the "
    "future: each one describes the opportunities and the atmosphere of a stage of life. The "
    "four cycles cover different periods of life, from childhood to old age, and the change "
    "from one pinnacle to the next is often felt as a turning point.");

QString MeaningText(int n) {
  switch (n) {
    case 1:
      return QStringLiteral(
          "This signifies the period when you aim for independence. You want your "
          "individuality and your ideas to be recognised, and you learn to rely on your own "
          "strength. Fulfilment comes through leading, starting things and standing by your "
          "decisions.");
    case 2:
      return QStringLiteral(
          "This signifies the period when you work to improve your economic life and believe "
          "in teamwork. Patience, insight and intuition serve you well, and your eye for detail "
          "makes you a valued partner. Progress comes through cooperation rather than force.");
    case 3:
      return QStringLiteral(
          "This signifies the period when you want to be happy and to express yourself "
          "creatively. Your social life is active and your artistic talents come to light. "
          "Enjoy it, but beware of impulsiveness with money and promises.");
    case 4:
      return QStringLiteral(
          "This signifies the period when you build a strong foundation through hard work, "
          "reliability and method. Progress is slow but sure. You will need to stay flexible "
          "when circumstances demand a change of plan.");
    case 5:
      return QStringLiteral(
          "This signifies the period when you want freedom, travel, adventure and "
          "experiment. A gift for languages and for dealing with people helps you. Stay "
          "grounded so that constant change does not leave you without a base.");
    case 6:
      return QStringLiteral(
          "This signifies the period when you wish for a peaceful and happy family life. "
          "Fairness, compassion and generosity guide you, and others come to you for help. It "
          "is also a good time for the growth of a business.");
    case 7:
      return QStringLiteral(
          "In this period you would like to come to terms with yourself. You find solace in "
          "meditation, in your inner self and in the spiritual world. You seek knowledge, your "
          "intuition is strong, and you may become an expert in your chosen field.");
    case 8:
      return QStringLiteral(
          "This signifies the period when you want success, fame and wealth. Money and status "
          "are within reach through determined effort and good management. Stay balanced, so "
          "that ambition does not cost you your health or your relationships.");
    case 9:
      return QStringLiteral(
          "This signifies the period when you find loving and satisfying relationships. "
          "Kindness and artistic talent flourish, and service to humanity gives you meaning. "
          "Financial progress comes as a reward for your generosity.");
    case 11:
      return QStringLiteral(
          "This signifies the period when you want enlightenment. Creativity and invention come "
          "easily, and you are drawn to spiritual truth. Your intuition is strong, and you may "
          "find yourself a born teacher, inspiring those around you.");
    case 22:
      return QStringLiteral(
          "This signifies the period when you want to do something for mankind. You have many "
          "talents and the practicality to turn dreams into reality. Leadership comes to you "
          "naturally; use it for aims larger than yourself.");
    default:
      return {};
  }
}

int SpanNumber(int n) {
  if (n == 11) return 2;
  if (n == 22) return 4;
  return n;
}

}  // namespace

QString PinnacleLiteral(int index, int number) {
  const int n = SpanNumber(number);
  switch (index) {
    case 0:
      return QStringLiteral("First Pinnacle from age 0-%1 years is ").arg(36 - n);
    case 1:
      return QStringLiteral("Second Pinnacle from age %1-%2 is ").arg(37 - n).arg(45 - n);
    case 2:
      return QStringLiteral("Third Pinnacle from age %1-%2 is %3")
          .arg(46 - n).arg(54 - n).arg(number == 4 ? QStringLiteral(" ") : QString());
    case 3:
      return QStringLiteral("Fourth Pinnacle from age %1 & beyond is ").arg(55 - n);
    default:
      return {};
  }
}

QString PinnacleMeaning(int number) { return MeaningText(number); }

Pinnacles PinnacleNumbers(const Person& person) {
  const int d = TrimBlanks(person.day).toInt();
  const int m = GetMonthNumber(TrimBlanks(person.monthName));
  const int y = TrimBlanks(person.year).toInt();
  Pinnacles p;
  p.number[0] = ReducedNumber(m + d);
  p.number[1] = ReducedNumber(d + y);
  p.number[2] = ReducedNumber(p.number[0] + p.number[1]);
  p.number[3] = ReducedNumber(m + y);
  for (int i = 0; i < 4; ++i) {
    p.heading[i] = PinnacleLiteral(i, p.number[i]) + QString::number(p.number[i]);
    p.meaning[i] = PinnacleMeaning(p.number[i]);
  }
  if (p.number[2] == 1) p.meaning[2] += kCrLf;
  return p;
}

SectionRuns PinnaclesSection(const Person& person, const QDate&, bool comprehensive) {
  const Pinnacles p = PinnacleNumbers(person);
  SectionOptions o;
  o.twoBreaksAfterHeading = true;
  o.boldOffAfterHeading = true;
  o.hasMeaning = false;
  for (int i = 0; i < 4; ++i) o.subSections.append({p.heading[i], p.meaning[i]});
  return ReadingSection(kHeading, QString(), kDescription, QString(), comprehensive, o);
}

}  // namespace reading
