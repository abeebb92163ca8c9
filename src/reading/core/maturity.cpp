#include "reading/core/maturity.h"

#include "reading/core/core_inputs.h"
#include "reading/core/reduction.h"
#include "services/text_rules.h"

namespace reading {

namespace {

const QString kMaturityHeading = QStringLiteral("Your Maturity Number is: ");
const QString kMaturityDescription = QStringLiteral(
    "The Maturity Number describes your underlying wishes, desires, and goals for your later "
    "years. It grows out of your Life Path and Destiny numbers and begins to be felt around "
    "the middle of life, giving a clearer direction to everything you have learned. It also "
    "shows what you may give back to the universe once you have found your true aim.");

QString Join(std::initializer_list<const char*> parts) {
  QStringList list;
  for (const char* p : parts) list << QString::fromUtf8(p);
  return list.join(kCrLf);
}

QString MaturityText(int n) {
  switch (n) {
    case 1:
      return Join({"As you mature, your love of independence grows. You fight for success on "
                   "your own terms and wish to be recognised for what you achieve; your later "
                   "years can bring you leadership and the courage to follow your own ideas.",
                   "If 1 appears many times among your core numbers, beware of becoming "
                   "stubborn and domineering with the people around you.",
                   "If 1 appears few times, your later years promise an exciting and "
                   "adventurous life, full of new starts."});
    case 2:
      return Join({"As you mature, your talent for handling all kinds of relations shows. You "
                   "influence others through tact rather than force, and you may serve the "
                   "needy without always receiving due recognition for it.",
                   "If 2 appears many times among your core numbers, you may become very "
                   "sensitive and easily hurt.",
                   "If 2 appears few times, your later years promise a peaceful life working "
                   "with many different people."});
    case 3:
      return Join({"As you mature, fame, relations and confidence grow. Artistic talents that "
                   "were hidden come to light, and your social life becomes warm and pleasant.",
                   "If 3 appears many times among your core numbers, watch that you do not "
                   "become irresponsible about work and duties.",
                   "If 3 appears few times, your later years promise a carefree and easy life.",
                   "But as a whole 3 brings close friends, new relations and most importantly "
                   "happiness to your life."});
    case 4:
      return Join({"As you mature, you gain the capability to think big and realise your "
                   "dreams. Rewards lie ahead for the practical, organised work you do, and "
                   "what you build now will stand.",
                   "If 4 appears many times among your core numbers, guard against becoming "
                   "narrow-minded and set in your ways.",
                   "If 4 appears few times, your later years promise a new peak of success."});
    case 5:
      return Join({"As you mature, you discover your true goal. Dynamism, communication and "
                   "creativity mark your later years; patience is needed, and you should not "
                   "take on too many ventures at once.",
                   "If 5 appears many times among your core numbers, a lack of concentration "
                   "may scatter your efforts.",
                   "If 5 appears few times, new challenges and positive changes come to you "
                   "later in life."});
    case 6:
      return QStringLiteral(
          "As you mature, your golden heart shows itself: you become the caretaker of "
          "everyone around you. Your systematic approach to life secures your future, and "
          "your relationships with family and friends become very good and deeply rewarding.");
    case 7:
      return Join({"As you mature, you spend more time contemplating life. You explore hidden "
                   "things and the metaphysical, and your intuition becomes a trusted guide.",
                   "If 7 appears many times among your core numbers, you may feel separated "
                   "from others and misunderstood.",
                   "If 7 appears few times, a particular field of study may become the goal of "
                   "your later years."});
    case 8:
      return Join({"As you mature, you become devoted and determined, a role model for others. "
                   "You are self-reliant and trustworthy, and people turn to you for direction.",
                   "If 8 appears many times among your core numbers, beware of becoming "
                   "overconfident and greedy.",
                   "If 8 appears few times, your later years promise a stable and secure "
                   "position."});
    case 9:
      return Join({"As you mature, service to mankind becomes your vision. You gain more power "
                   "in society and become wise and mature, a source of counsel to many.",
                   "If 9 appears many times among your core numbers, guard against arrogance "
                   "and isolation.",
                   "If 9 appears few times, you may leave something immortal behind you."});
    case 11:
      return QStringLiteral(
          "As you mature, you become highly spiritual, with a deep understanding of the hidden "
          "world. You help others towards enlightenment and serve as a mediator and peacemaker "
          "wherever you go.");
    case 22:
      return QStringLiteral(
          "As you mature, you learn to overcome every obstacle in your way. You need balance "
          "between your vast plans and your daily life, and you show yourself a born manager "
          "and leader, able to build for many.");
    default:
      return {};
  }
}

const QString kRtHeading = QStringLiteral("Your Rational Thought Number is: ");
const QString kRtDescription = QStringLiteral(
    "The Rational thought Number reveals your particular way of thinking. It combines your "
    "birth day with the value of your first name and describes your logical ability: how you "
    "approach problems, weigh facts and reach decisions. It maps the way your mind works.");

QString RtText(int n) {
  switch (n) {
    case 1:
      return QStringLiteral(
          "You are an innovative thinker who does not copy the ideas of others. You see things "
          "differently and trust your own reasoning, and once you have reached a conclusion "
          "you fight for it to the end.");
    case 2:
      return QStringLiteral(
          "You are a careful thinker who looks for solutions that suit everyone. You think "
          "best together with others and weigh every side, though you can be easily influenced "
          "by stronger opinions.");
    case 3:
      return QStringLiteral(
          "You have a creative nature and trust intuition over logic. Your thinking is "
          "emotional and lively, with many ideas at once; choosing among them is your task.");
    case 4:
      return QStringLiteral(
          "You are a methodical, practical and organised thinker. You work through a problem "
          "step by step and trust proven facts, though at times you can be too rigid to accept "
          "a new approach.");
    case 5:
      return QStringLiteral(
          "You are a spontaneous and unconventional thinker. You take mental risks, adapt "
          "quickly to new information and enjoy finding the unexpected solution.");
    case 6:
      return QStringLiteral(
          "You can lose your concentration in details and in what must be done, and so miss the "
          "bigger picture. You are a sensitive and emotional thinker, guided strongly by your "
          "concern for others.");
    case 7:
      return QStringLiteral(
          "You are a deep, analytical thinker and a perfectionist. You study a question from "
          "every angle and will not rest until you understand it completely.");
    case 8:
      return QStringLiteral(
          "You have a quick mind for the big picture and see at once where things are going. "
          "You can be impatient with those who do not see it as fast as you do.");
    case 9:
      return QStringLiteral(
          "Your thinking is shaped by a wish for equality and peace. Compassion guides your "
          "judgement, and you are more spiritual than rational in the way you reach decisions.");
    case 11:
      return QStringLiteral(
          "You are creative and innovative and can shine in any field. You combine teamwork "
          "with original ideas, and your mind is spiritually inclined, open to insights that "
          "others miss.");
    case 22:
      return QStringLiteral(
          "You join the method of Four with the dreams of Two. You see the big picture and the "
          "details at the same time, and your intuition tells you how to connect them.");
    default:
      return {};
  }
}

const QString kSsHeading = QStringLiteral("Your Subconscious Self Number is: ");
const QString kSsDescription = QStringLiteral(
    "This number shows how you deal and respond in sudden situations. It counts how many of "
    "the nine number groups are present in the letters of your name, and it reflects your "
    "confidence in your own power and competence when something unexpected happens, and what "
    "needs strengthening.");

const char* const kSsTexts[7] = {
    // 3
    "In sudden situations you tend to depend on others. You may exaggerate issues and react "
    "emotionally before you think. A clear goal and a few steady habits give you the anchor "
    "you need.",
    // 4
    "You are slow to react when something unexpected happens and can become indecisive. You "
    "may get lost in details; learning to be flexible helps you respond in time.",
    // 5
    "You adapt well to change and stay composed in a crisis, though you may avoid facing a "
    "problem directly. Your energy can scatter; discipline keeps you effective.",
    // 6
    "In trouble you help others, sometimes at your own expense. You are responsible and "
    "dependable, and your steadiness can take you to the top.",
    // 7
    "You are well balanced. When trouble comes you retreat within yourself to think it "
    "through, which others may see as aloofness, but your analysis is usually sound.",
    // 8
    "You love challenging tasks. You stay calm and tactical under pressure, a survivor and a "
    "winner who keeps a cool head when others lose theirs.",
    // 9
    "Others find you hard to understand, as you can seem impersonal. You are competent in "
    "trouble, but you can become arrogant; learning to control your anger is the key.",
};

}  // namespace

QString MaturityGuardText() {
  return QStringLiteral(
      "Your Maturity Number is dependent on your LifePath Number and Destiny Number. "
      "Please calculate these two figures first");
}

std::optional<int> MaturityFromNumbers(int lifePath, int destiny) {
  if (lifePath == 0 || destiny == 0) return std::nullopt;
  return ReduceDigitsOnce(QString::number(lifePath) + QString::number(destiny));
}

std::optional<int> MaturityNumber(const Person& person) {
  const CoreValues core = ComputeCoreValues(person);
  return MaturityFromNumbers(core.lifePath, core.destiny);
}

QString MaturityMeaning(int number) { return MaturityText(number); }

SectionRuns MaturitySection(const Person& person, const QDate&, bool comprehensive) {
  const std::optional<int> n = MaturityNumber(person);
  if (!n) return {};
  return ReadingSection(kMaturityHeading, QString::number(*n), kMaturityDescription,
                        MaturityMeaning(*n), comprehensive);
}

int RationalThoughtNumber(const Person& person) {
  return ReducedNumber(ReduceDigits(TrimBlanks(person.day)) + GetNameValue(TrimBlanks(person.firstName)));
}

QString RationalThoughtMeaning(int number) { return RtText(number); }

QString RationalThoughtLabel(const Person& person) {
  const int n = RationalThoughtNumber(person);
  return QString::number(n) + QLatin1Char(' ') + RationalThoughtMeaning(n);
}

SectionRuns RationalThoughtSection(const Person& person, const QDate&, bool comprehensive) {
  const int n = RationalThoughtNumber(person);
  SectionOptions o;
  o.boldOffAfterHeading = true;
  return ReadingSection(kRtHeading, QString::number(n), kRtDescription, RationalThoughtMeaning(n),
                        comprehensive, o);
}

int SubconsciousSelfNumber(const Person& person) {
  bool present[10] = {};
  for (QChar c : JoinedName(person)) present[GetLetterValue(c)] = true;
  int count = 0;
  for (int k = 1; k <= 9; ++k) count += present[k] ? 1 : 0;
  return count;
}

QString SubconsciousSelfMeaning(int count) {
  if (count < 3 || count > 9) return QStringLiteral("This number is not valid for this name.");
  return QString::fromUtf8(kSsTexts[count - 3]);
}

SectionRuns SubconsciousSelfSection(const Person& person, const QDate&, bool comprehensive) {
  const int n = SubconsciousSelfNumber(person);
  return ReadingSection(kSsHeading, QString::number(n), kSsDescription, SubconsciousSelfMeaning(n),
                        comprehensive);
}

}  // namespace reading
