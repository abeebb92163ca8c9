#include "reading/core/birthday_balance.h"

#include "reading/core/reduction.h"
#include "services/text_rules.h"

namespace reading {

namespace {

const QString kBirthDayHeading = QStringLiteral("Your BirthDay Number is: ");
const QString kBirthDayDescription = QStringLiteral(
    "This describes what may happen in your middle years. The day of the month on which you "
    "were born is not reduced: it stands for a special talent you carry with you, a gift that "
    "helps you along your Life Path. It shows how you tend to act when you are at your most "
    "natural, and it ripens most clearly from your late twenties into your fifties.");

const char* const kBirthDayTexts[31] = {
    // 1
    "You are unique and forceful, with a strong drive to stand on your own. You are honest "
    "and direct, and people know where they stand with you. You make a good boss because you "
    "lead from the front, though you need to listen as well as command.",
    // 2
    "You seek peaceful relations and value friendship above almost everything. You are "
    "gentle, tactful and sensitive to the moods of others, but you can be shy. Your middle "
    "years reward you as you gain the confidence to trust your own judgement.",
    // 3
    "You are creative, social and full of charm, and people are drawn to your warmth and wit. "
    "You are often popular and express yourself well in words or art. Beware of daydreaming "
    "your talents away: give your ideas a form and a deadline.",
    // 4
    "You are sensible, orderly and dependable, with a liking for clear rules and proven ways. "
    "You build slowly and solidly. Your conventional streak serves you well, but life will ask "
    "you to be more flexible when plans change.",
    // 5
    "You are an adventurer at heart who loves variety, travel and new experiences. You take "
    "risks readily and learn quickly from them. Your success grows when you act sensibly and "
    "see things through instead of chasing every new excitement.",
    // 6
    "Family and home are at the centre of your life. You are helpful, responsible and "
    "idealistic, and you may have a gift for teaching or for music. Others lean on you; make "
    "sure your own needs are also met.",
    // 7
    "You have the mind of a technical researcher: meticulous, analytical and stable. You like "
    "to get to the bottom of things and often have a philosopher's depth. Time alone recharges "
    "you, and your insight grows steadily over the years.",
    // 8
    "You solve problems and think in terms of big plans. You are objective, efficient and "
    "good with money and organisation. Your middle years can bring real authority if you stay "
    "fair and keep balance between work and the rest of life.",
    // 9
    "You are charming, caring and adaptable, with a broad view of people and the world. You "
    "may know ups and downs of luck, but you recover gracefully. Your compassion is your "
    "strength; use it without losing yourself in others' troubles.",
    // 10
    "You are ambitious and managerial, a natural leader who wants to achieve something of "
    "your own. You are loyal to those who stand by you. Your drive carries you far when you "
    "allow others to share in the credit.",
    // 11
    "You are a visionary with a sacred, inspired side. Highly sensitive and creative, you pick "
    "up what others miss. Your intuition is a real gift; grounding it in practical work keeps "
    "nervous tension at bay.",
    // 12
    "You bounce back from setbacks with ease. You are easygoing, expressive and artistic, and "
    "your optimism lifts others. Your talents flourish when you choose one or two to develop "
    "in depth.",
    // 13
    "You are honest, hard-working and self-motivated. You may feel limited by circumstances "
    "at times, and you can hold your feelings back. Steady effort brings you lasting results; "
    "letting your emotions show brings you closer to people.",
    // 14
    "You are versatile, with a quick, analytical mind and a love of change. Routine makes you "
    "impatient. You do best when freedom and responsibility go together, so that your many "
    "interests lead somewhere.",
    // 15
    "You are homely and responsible, warm and generous with your time. You make an excellent "
    "parent or teacher and people come to you for comfort and advice. Your home is your "
    "source of strength.",
    // 16
    "You work hard at your relationships and think deeply about life. You are reflective and "
    "may have technical or religious interests. Solitude helps you find answers; share them "
    "with the people who matter to you.",
    // 17
    "You are goal-oriented and ethical, with a head for business. You handle large projects "
    "and money well and can build something that lasts. Your integrity is what people trust "
    "in you.",
    // 18
    "You are an executive and an organiser with an open mind. You are compassionate and want "
    "your work to benefit others. Your middle years can bring leadership in causes larger than "
    "yourself.",
    // 19
    "You are self-confident with a strong will, and you learn best by experience. You can be "
    "something of a loner and prefer to make your own way. Accepting help now and then makes "
    "your independence stronger, not weaker.",
    // 20
    "You are emotional, sensitive and affectionate, with a deep need for closeness. Your moods "
    "can swing, yet your care for others is real. You thrive in partnerships where your "
    "sensitivity is valued.",
    // 21
    "You are easygoing yet restless, sociable and quick with words. You may have a talent for "
    "public speaking and writing. Your charm opens doors; persistence keeps them open.",
    // 22
    "You are responsible, with a firm vision of what could be built. You are idealistic and "
    "capable of large achievements, but nervous tension may follow you. Pace yourself and "
    "your vision can become reality.",
    // 23
    "You are talented and versatile, restless and progressive. You love travel, people and "
    "new ideas, and you adapt with ease. Your middle years reward you when you commit to what "
    "you start.",
    // 24
    "You are helpful and a peacemaker, devoted to your family and friends. You create harmony "
    "around you and people feel safe with you. Remember to accept the care you give so freely.",
    // 25
    "You have technical and scientific interests and a private, thoughtful nature. You think "
    "before you act and trust what you have tested. Your inner life is rich; let a few people "
    "into it.",
    // 26
    "You are managerial and practical, and you seek material fulfilment. You know how to run "
    "things and make them pay. Your success is greatest when you keep generosity alongside "
    "ambition.",
    // 27
    "You are a social worker at heart: tolerant, understanding and broad-minded. You lead by "
    "influence rather than force, and people follow you willingly. Your wisdom grows with "
    "every year.",
    // 28
    "You have energy and independence and a strong sense of purpose. You keep your feelings "
    "reserved, and your manner can seem dominating. Cooperation makes your drive go further.",
    // 29
    "You are optimistic and perceptive, with a strong intuition. Your day reduces to the "
    "master number 11, which brings inspiration and also nervous tension. Calm surroundings "
    "and close friends help you use your gifts well.",
    // 30
    "You have a way with words and a lively imagination; you may be a natural actor or mimic. "
    "You express yourself with flair and enjoy an audience. Discipline turns your talent into "
    "achievement.",
    // 31
    "You are a coordinator and an administrator, determined and practical. You build steadily "
    "towards business success and security. Your loyalty and reliability win lasting trust.",
};

const QString kBalanceHeading = QStringLiteral("Your Balance Number is: ");
const QString kBalanceDescription = QStringLiteral(
    "The Balance Number describes how you react to life's challenges. It is drawn from the "
    "initials of your name and shows your strengths in emotional or turbulent times: the "
    "attitude that steadies you when things go wrong and the way to find your feet again.");

const char* const kBalanceTexts[9] = {
    // 1
    "Use your keen awareness of a situation to find the way through it. In difficult times "
    "you may want to handle everything alone; do not be afraid to ask for help. Balance your "
    "courage with your creativity and you will find an original solution.",
    // 2
    "Be tactful and calm when trouble comes. Your strength is diplomacy, so use it, but do "
    "not let the opinions of others sway you from what you know is right. Quiet patience "
    "carries you through.",
    // 3
    "Apply simple solutions to complicated problems. Express your views openly rather than "
    "bottling them up, and keep a light heart. At the same time, control your tongue: words "
    "spoken in haste can make a hard time harder.",
    // 4
    "Be practical when life turns difficult. Make a plan and work through it one step at a "
    "time. Be willing to compromise; holding rigidly to your way can keep a problem alive "
    "longer than necessary.",
    // 5
    "Accept change rather than fighting it. Open your mind to new ways of seeing the "
    "situation, and face issues directly instead of running from them. Your adaptability is "
    "your greatest asset in a crisis.",
    // 6
    "Be honest in conflict and say what you feel. Keep your independence: you need not carry "
    "everyone's burdens. Forgiveness, of others and of yourself, restores your peace.",
    // 7
    "Fight your own battles, and fight them with logic, not emotion. Step back, study the "
    "facts and think before you respond. Your clear mind is the best tool you have in "
    "difficult times.",
    // 8
    "Avoid manipulative short cuts, however tempting they are when pressure rises. Be "
    "patient and honest, and use your strength to organise a fair way out. Integrity brings "
    "you through where force would fail.",
    // 9
    "Meet trouble with empathy, compassion and patience. Relate to people as equals and try "
    "to understand what they feel. Your broad view of life helps you see that most storms "
    "pass.",
};

}  // namespace

int BirthDayNumber(const Person& person) { return TrimBlanks(person.day).toInt(); }

QString BirthDayMeaning(int day) {
  if (day < 1 || day > 31) return {};
  return QString::fromUtf8(kBirthDayTexts[day - 1]);
}

SectionRuns BirthDaySection(const Person& person, const QDate&, bool comprehensive) {
  const int day = BirthDayNumber(person);
  return ReadingSection(kBirthDayHeading, QString::number(day), kBirthDayDescription,
                        BirthDayMeaning(day), comprehensive);
}

QString BalanceInitial(const QString& nameText) { return TrimBlanks(nameText.left(1)); }

int BalanceNumber(const Person& person) {
  const int v = GetLetterValue(BalanceInitial(person.firstName)) +
                GetLetterValue(BalanceInitial(person.middleName)) +
                GetLetterValue(BalanceInitial(person.lastName));
  return ReduceDigits(QString::number(v));
}

QString BalanceMeaning(int number) {
  if (number < 1 || number > 9) return {};
  return QString::fromUtf8(kBalanceTexts[number - 1]);
}

SectionRuns BalanceSection(const Person& person, const QDate&, bool comprehensive) {
  const int n = BalanceNumber(person);
  return ReadingSection(kBalanceHeading, QString::number(n), kBalanceDescription,
                        BalanceMeaning(n), comprehensive);
}

}  // namespace reading
