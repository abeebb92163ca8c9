#include "reading/core/essence.h"

#include "reading/core/reduction.h"
#include "services/text_rules.h"

namespace reading {

namespace {

const QString kHeading = QStringLiteral("Your Essence Number is: ");
const QString kDescription = QStringLiteral(
    "This particular number indicates the possibilities that may arise during a specific time "
    "period. It uses the letters of your name: each part of the name is read letter by letter "
    "through the years of your life, and the letters that are active at your present age "
    "combine into the Essence of this year. It describes the mood, the lessons and the "
    "opportunities of the period you are living in now.");

const char* const kTexts[9] = {
    // 1
    "This is a year of new beginnings. New ideas and projects come to you, and it is a good "
    "time to drop old worries that no longer serve you. Challenges will appear, and you meet "
    "them best with leadership and self-confidence: take the first step yourself.",
    // 2
    "This is a good time both to start new things and to finish pending ones. Relations with "
    "others go well and friends are ready to help. Trust your intuition; partnerships and "
    "teamwork bring more than working alone.",
    // 3
    "A period of joyful, creative moments and a lively social life. Your self-expression is "
    "strong, but focus and discipline are needed so that your energy does not scatter. Be "
    "aware of emotional mood swings and give yourself room to rest.",
    // 4
    "This is the time to lay strong foundations. Your discipline and capacity for hard work "
    "will be tested. Be organised and practical, keep to your plans and avoid needless "
    "spending; what you build now will last.",
    // 5
    "New things and change are in the air. Communication flows well and new opportunities "
    "appear, often unexpectedly, along with a welcome sense of freedom. Beware of overdoing "
    "lust and sensual pleasures; enjoy the variety without losing your direction.",
    // 6
    "Responsibility towards the family comes to the fore, and marriages or new commitments "
    "are possible. Others look to you for guidance. Business and money matters go well, and "
    "your career can grow through the trust people place in you.",
    // 7
    "A period of inner reflection and contemplation. Study and research attract you, and you "
    "may wish for more solitude than usual. Success comes, though quietly, through your "
    "understanding rather than through outward effort.",
    // 8
    "Hard work is rewarded now, and money matters can improve greatly. Plan wisely and use "
    "your authority well. Balance is the key: do not let ambition crowd out health, family "
    "and peace of mind.",
    // 9
    "An emotional period and a testing one. Trust in God, serve others and forgive the past; "
    "this is a time for letting go of what is finished. Generosity and compassion carry you "
    "through and prepare the ground for a fresh start.",
};

bool HasValuedLetter(const QString& s) {
  for (QChar c : s) {
    if (GetLetterValue(c) > 0) return true;
  }
  return false;
}

}  // namespace

int EssenceWalk(const QString& namePart, int age) {
  if (age < 0 || !HasValuedLetter(namePart)) return 0;
  int s = 0;
  int v = 0;
  do {
    for (QChar c : namePart) {
      const int value = GetLetterValue(c);
      if (value > 0 && s <= age) {
        s += value;
        v = value;
      }
    }
  } while (s < age);
  return v;
}

int EssenceAge(const Person& person, const QDate& today) {
  return today.year() - TrimBlanks(person.year).toInt();
}

int EssenceNumber(const Person& person, const QDate& today) {
  const int age = EssenceAge(person, today);
  if (age < 0) return 0;
  const QString middle = TrimBlanks(person.middleName);
  const int total = EssenceWalk(TrimBlanks(person.firstName), age) +
                    (middle.isEmpty() ? 0 : EssenceWalk(middle, age)) +
                    EssenceWalk(TrimBlanks(person.lastName), age);
  return ReduceDigits(QString::number(total));
}

QString EssenceMeaning(int number) {
  if (number < 1 || number > 9) return {};
  return QString::fromUtf8(kTexts[number - 1]);
}

SectionRuns EssenceSection(const Person& person, const QDate& today, bool comprehensive) {
  const int n = EssenceNumber(person, today);
  return ReadingSection(kHeading, QString::number(n), kDescription, EssenceMeaning(n),
                        comprehensive);
}

}  // namespace reading
