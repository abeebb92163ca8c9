#include "reading/core/core_numbers.h"

#include <QHash>

#include "reading/core/core_inputs.h"

namespace reading {

namespace {
QString Lookup(const QHash<int, QString>& table, int number) { return table.value(number); }

const QString kLifePathHeading = QStringLiteral("Your LifePath Number is: ");
const QString kDestinyHeading = QStringLiteral("Your Destiny Number is: ");
const QString kSoulUrgeHeading = QStringLiteral("Your Soul Urge Number is:");
const QString kInnerDreamsHeading = QStringLiteral("Your InnerDream Number is: ");

const QString kLifePathDescription = QStringLiteral(
    "This is one of the most important numbers. It is also called the Life Direction Number, "
    "because it is drawn from the date on which you were born and does not change throughout your "
    "life. It shows who you are at birth: the talents you carry with you, the opportunities that "
    "will come your way and the struggles that will shape you. Read it as the road you travel; "
    "the other numbers tell how you travel it.");

const QString kDestinyDescription = QStringLiteral(
    "This number describes your vibration in the world and the tasks you must achieve with the "
    "name that was given to you. It is drawn from every letter of your full name and points to "
    "the abilities you were meant to develop: what you must strive to become, and the way others "
    "experience you when you are at your best and at your worst.");

const QString kSoulUrgeDescription = QStringLiteral(
    "This number tries to close the gap between how you think you appear and how others really "
    "see you. It is drawn from the vowels of your name and speaks of your heart's desire: the "
    "inner wishes that move you, what truly satisfies you, and what you long for when nobody is "
    "watching.");

const QString kInnerDreamsDescription = QStringLiteral(
    "As the name suggests this number is associated with your personality, the nature you show "
    "to the world. It is drawn from the consonants of your name and tells how comfortable you are "
    "in relationships, how much of yourself you let other people know, and the impression you "
    "make before they know you well.");

const QHash<int, QString>& LifePathTexts() {
  static const QHash<int, QString> t = {
      {1, QStringLiteral(
              "You are born to stand on your own feet. Independence and leadership come naturally "
              "to you, and you are happiest when you set your own course. You have the drive to "
              "begin things and the will to carry them through, which makes business and any "
              "venture of your own a good field for you. Learn to accept help without feeling "
              "that it takes something from your strength.")},
      {2, QStringLiteral(
              "You are honest, sensitive and balanced, with a gift for seeing both sides of a "
              "question. People trust you to settle their disputes because you look for the "
              "compromise that leaves everyone whole. You work best in partnership and in calm "
              "surroundings; guard against letting others decide for you simply to keep the peace.")},
      {3, QStringLiteral(
              "You are an optimist and a natural entertainer. Words, music, colour and "
              "performance are your tools, and your verbal and artistic gifts lift the spirits of "
              "the people around you. Your life opens up when you express yourself freely; it "
              "narrows when you scatter your energy over too many projects at once.")},
      {4, QStringLiteral(
              "You are reliable and practical, one of the keystones on which society rests. You "
              "organise, plan and build step by step, and others depend on you because you finish "
              "what you start. Hard work brings you lasting results; allow yourself some "
              "flexibility, because not everything in life can follow a plan.")},
      {5, QStringLiteral(
              "You are multitalented, bold and adventurous, a born communicator who loves change, "
              "travel and new experience. Variety keeps you alive and routine weighs on you. You "
              "learn by trying things for yourself; your task is to use your freedom wisely and "
              "to see at least some of your many beginnings through to the end.")},
      {6, QStringLiteral(
              "Responsibility and compassion mark your life. You are the adviser and the carer to "
              "whom family and friends turn, and you find deep satisfaction in a harmonious home. "
              "Your family comes first, and from there your care widens into service to the "
              "community. Take care not to carry other people's burdens so far that you neglect "
              "your own needs.")},
      {7, QStringLiteral(
              "You are calm and a deep thinker, drawn to research, study and the questions that "
              "lie beneath the surface. Solitude refreshes you and your intuition is strong. Your "
              "path is one of spiritual and intellectual discovery; share what you find, so that "
              "your reserve is not mistaken for coldness.")},
      {8, QStringLiteral(
              "Material success, power and money are the themes of your life. You have the "
              "judgement and energy to manage large affairs and the ambition to rise to positions "
              "of authority. Your rewards grow when you use your power fairly and remember that "
              "wealth is a means and not the goal itself.")},
      {9, QStringLiteral(
              "You are generous and loving, with a heart that reaches out to all of humankind. "
              "Serving others gives your life its meaning, whether in the arts, in healing or in "
              "any work that makes the world a little better. Learn to let go of the past and of "
              "people gracefully; your greatest gifts come when you give without counting.")},
      {11, QStringLiteral(
               "Eleven is a master number of spiritual awareness. You are a visionary with "
               "intuition far above the ordinary, able to inspire others and to show them what "
               "they cannot yet see. The high tension of this number asks you to keep your feet "
               "on the ground; when you do, you become a light for the people around you.")},
      {22, QStringLiteral(
               "Twenty-two is the most powerful of all Life Path numbers: the master builder. You "
               "can turn the grandest dreams into solid reality, joining the vision of the 11 with "
               "the practical skill of the 4. Great achievements are possible for you when you "
               "work patiently and for the good of many, not only for yourself.")},
  };
  return t;
}

struct DestinyText {
  QString positive;
  QString negative;
};

const QHash<int, DestinyText>& DestinyTexts() {
  static const QHash<int, DestinyText> t = {
      {1, {QStringLiteral(
               "You are a leader with fine administrative skill. You solve problems quickly and "
               "others follow your lead because you know where you want to go."),
           QStringLiteral(
               "On the negative side you can become egotistic and aggressive when others do not "
               "keep pace with you; keep calm and let other people have their say.")}},
      {2, {QStringLiteral(
               "You have a talent for managing people and keeping the peace. Diplomacy comes "
               "easily to you, and you do well as a teacher, an adviser or a mediator."),
           QStringLiteral(
               "On the negative side you can be over-sensitive and indecisive, hurt by small "
               "things and slow to choose when a choice must be made.")}},
      {3, {QStringLiteral(
               "Creativity and cheerfulness are your gifts. You inspire others with your words "
               "and your imagination, and you brighten any gathering."),
           QStringLiteral(
               "On the negative side you may live for show, scatter your energy over too many "
               "things and fall into moods when life is not amusing.")}},
      {4, {QStringLiteral(
               "You bring management and order wherever you go. You are methodical and patient, "
               "and you do well in building, engineering, medicine and every field that needs "
               "care over a long time."),
           QStringLiteral(
               "On the negative side you can become arrogant and rigid, holding on to your own "
               "way of doing things when a change would serve you better.")}},
      {5, {QStringLiteral(
               "You have many talents and a love of freedom and change. You adapt quickly, "
               "communicate well and shine in travel, sales, publicity and the media."),
           QStringLiteral(
               "On the negative side you can be restless and impatient, leaving tasks half done "
               "when something newer calls.")}},
      {6, {QStringLiteral(
               "You keep a fine balance of love and duty. Caring for others and making a happy "
               "home come naturally, and you do well in teaching, healing and the service fields."),
           QStringLiteral(
               "On the negative side you can be stubborn and over-demanding, expecting others to "
               "live up to your ideals.")}},
      {7, {QStringLiteral(
               "You have a gift for analysis and for finding hidden truths. Science, philosophy "
               "and the occult attract you, and you can become a true scholar."),
           QStringLiteral(
               "On the negative side you can be distrustful, introverted and critical, keeping "
               "others at a distance.")}},
      {8, {QStringLiteral(
               "You are meant for material and financial comfort and for status. You manage "
               "money and people well and can rise to the top of business or public life."),
           QStringLiteral(
               "On the negative side you can be rigid and over-ambitious, measuring everything "
               "by success and forgetting the people along the way.")}},
      {9, {QStringLiteral(
               "Compassion makes you a humanitarian. You do well in medicine, law, religion, the "
               "arts and every work that serves the wider world."),
           QStringLiteral(
               "On the negative side you can turn selfish or aloof when your ideals are "
               "disappointed.")}},
      {11, {QStringLiteral(
                "You are here to bring spiritual truth to others. Your intuition is strong and "
                "you are a born teacher whose insight can uplift many people."),
            QStringLiteral(
                "On the negative side you can be unrealistic and impractical, dreaming of what "
                "could be while neglecting what must be done today.")}},
      {22, {QStringLiteral(
                "You can turn dreams into reality on a large scale. Your leadership and your "
                "practical vision let you build things that last beyond your own lifetime."),
            QStringLiteral(
                "On the negative side the size of your tasks can overwhelm you, and you may grow "
                "frustrated by the demands that others place on you.")}},
  };
  return t;
}

const QString kDestinyFourThird = QStringLiteral(
    "Those with Destiny 4, and above all those with the master number 22/4, can handle "
    "large-scale undertakings in the material world. You are happiest among practical, moral "
    "friends who value honest work as much as you do.");

const QHash<int, QString>& SoulUrgeTexts() {
  static const QHash<int, QString> t = {
      {1, QStringLiteral(
              "Deep inside you want to win. You find your greatest satisfaction in being first "
              "and in leading the way; you are a witty pioneer who would rather open a new road "
              "than follow an old one.")},
      {2, QStringLiteral(
              "Your heart longs for love and harmony. You are happiest when the people around "
              "you are at peace, and you gladly act as the mediator; you are sentimental and "
              "value close, gentle companionship.")},
      {3, QStringLiteral(
              "You take pleasure in innovation and self-expression. You have a talent for "
              "speaking or writing, you love good company, and you want your life to be full of "
              "joy and creativity.")},
      {4, QStringLiteral(
              "You need security and a solid domestic base. Order, stability and a steady "
              "routine give you peace of mind, and you want to build something that will last.")},
      {5, QStringLiteral(
              "Your heart desires complete liberty. You are willing to take risks, you dislike "
              "being tied down, and you are drawn to the unconventional and the new.")},
      {6, QStringLiteral(
              "You need to be wanted and respected. You are loyal to your family and friends, "
              "and you long for a loving home where you can care for others and be cared for.")},
      {7, QStringLiteral(
              "You have a deep spiritual feeling and a love of nature. You trust your intuition, "
              "and you need time alone to think, study and understand the meaning of things.")},
      {8, QStringLiteral(
              "You desire material achievement, authority and wealth. You want to be recognised "
              "for what you have built, and you are willing to work hard for your success.")},
      {9, QStringLiteral(
              "You want to do good for humankind. You are artistic and idealistic, generous to "
              "those in need, and at times moody when the world falls short of your vision.")},
      {11, QStringLiteral(
               "Like the 2 you long for peace and love to mediate, but with the master number "
               "your desire reaches further: you are an intuitive visionary who wants to inspire "
               "others and to share a higher understanding.")},
      {22, QStringLiteral(
               "Like the 4 you need a secure base, but your heart aims at lasting peace on a "
               "large scale. You want to do good in a way that will be remembered long after "
               "you.")},
  };
  return t;
}

const QHash<int, QString>& InnerDreamsTexts() {
  static const QHash<int, QString> t = {
      {1, QStringLiteral(
              "You come across as important and courageous. People see you as full of new ideas "
              "and ready to lead; you dream of being the pioneer who goes first.")},
      {2, QStringLiteral(
              "You dream of close relationships. Others see you as a peacemaker and a good "
              "listener, gentle and easy to approach.")},
      {3, QStringLiteral(
              "Art is your dream role. You appear charming and optimistic, and your warmth and "
              "humour draw people to you.")},
      {4, QStringLiteral(
              "You appear rock-solid, organised and honest. People trust you with their affairs "
              "because you are careful with money and keep your word.")},
      {5, QStringLiteral(
              "You dream of freedom, travel and adventure. Others see you as lively and "
              "exciting, always ready for the next experience.")},
      {6, QStringLiteral(
              "Family and devotion are at the heart of your dreams. You appear just and "
              "harmonious, someone others turn to for comfort and fair advice.")},
      {7, QStringLiteral(
              "You dream of study, seclusion and spiritual knowledge. Others see you as quiet and "
              "thoughtful, perhaps a little mysterious.")},
      {8, QStringLiteral(
              "You dream of success in business or politics. You appear strong and capable, "
              "someone with the power to make things happen.")},
      {9, QStringLiteral(
              "You appear kind and noble, with an artistic soul. You dream of helping humanity, "
              "and people sense your generosity at once.")},
      {11, QStringLiteral(
               "You dream of illumination. You may seem shy and idealistic, yet people find in "
               "you a warm listener who understands more than is said.")},
      {22, QStringLiteral(
               "You dream of pioneering something monumental. Others see in you a natural leader "
               "with the vision and the strength to build on a grand scale.")},
  };
  return t;
}
}  // namespace

CoreNumber LifePath(const QString& day, const QString& monthName, const QString& year) {
  Person person;
  person.day = day;
  person.monthName = monthName;
  person.year = year;
  return LifePath(person);
}

CoreNumber LifePath(const Person& person) {
  const CoreValues v = ComputeCoreValues(person);
  return {v.lifePath, v.lifePathSource};
}

CoreNumber Destiny(const Person& person) {
  const CoreValues v = ComputeCoreValues(person);
  return {v.destiny, v.destinySum};
}

CoreNumber SoulUrge(const Person& person) {
  const CoreValues v = ComputeCoreValues(person);
  return {v.soulUrge, v.soulUrgeSum};
}

CoreNumber InnerDreams(const Person& person) {
  const CoreValues v = ComputeCoreValues(person);
  return {v.innerDreams, v.innerDreamsSum};
}

QString LifePathMeaning(int number) { return Lookup(LifePathTexts(), number); }

QString DestinyMeaning(int number) {
  const auto it = DestinyTexts().constFind(number);
  if (it == DestinyTexts().constEnd()) return {};
  if (number == 4) return it->positive + kCrLf + kDestinyFourThird + kCrLf + it->negative;
  return it->positive + kCrLf + it->negative;
}

QString SoulUrgeMeaning(int number) { return Lookup(SoulUrgeTexts(), number); }
QString InnerDreamsMeaning(int number) { return Lookup(InnerDreamsTexts(), number); }

SectionRuns LifePathSection(const Person& person, bool comprehensive) {
  const int n = LifePath(person).number;
  SectionOptions options;
  options.twoBreaksAfterHeading = true;
  return ReadingSection(kLifePathHeading, QString::number(n), kLifePathDescription, LifePathMeaning(n),
                        comprehensive, options);
}

SectionRuns DestinySection(const Person& person, bool comprehensive) {
  const int n = Destiny(person).number;
  return ReadingSection(kDestinyHeading, QString::number(n), kDestinyDescription, DestinyMeaning(n),
                        comprehensive);
}

SectionRuns SoulUrgeSection(const Person& person, bool comprehensive) {
  const int n = SoulUrge(person).number;
  return ReadingSection(kSoulUrgeHeading, QString::number(n), kSoulUrgeDescription, SoulUrgeMeaning(n),
                        comprehensive);
}

SectionRuns InnerDreamsSection(const Person& person, bool comprehensive) {
  const int n = InnerDreams(person).number;
  return ReadingSection(kInnerDreamsHeading, QString::number(n), kInnerDreamsDescription,
                        InnerDreamsMeaning(n), comprehensive);
}

}  // namespace reading
