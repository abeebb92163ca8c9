#include "reading/core/personal_cycles.h"

#include "reading/core/reduction.h"
#include "services/text_rules.h"

namespace reading {

namespace {

const QString kYearHeading = QStringLiteral("Your Personal Year is: ");
const QString kYearDescription = QStringLiteral(
    "This number describes the pattern of the particular year. Each year you work through one "
    "of the nine Personal Years, which run concurrent with the calendar year, from January to "
    "December. Together they form a cycle of nine years, from new beginnings in the first to "
    "completion in the ninth, and knowing where you stand helps you work with the tide of "
    "the year instead of against it.");

const QString kDayHeading = QStringLiteral("Your Personal Day is:");
const QString kDayDescription = QStringLiteral(
    "What you think, imagine and do during the day sets the platform and example for the days "
    "to come. The Personal Day number shows the energy of today for you in particular. Pay "
    "attention to it and use the day for the purpose it favours: some days are for action, "
    "some for people, some for rest and reflection.");

const QString kMonthHeading = QStringLiteral("Your Personal Month Number is: ");
const QString kMonthDescription = QStringLiteral(
    "The Personal Month number describes what your lessons are during the course of the month. "
    "It shows the trends and influences affecting you personally in the weeks ahead, within "
    "the larger pattern of your Personal Year, so that you can plan with the current rather "
    "than against it.");

const char* const kYearTexts[9] = {
    // 1
    "It's a perfect time to start any new venture. This year opens a new nine-year cycle, and "
    "what you begin now sets the pace for the years to come. Be bold, take the initiative and "
    "sow what you want to grow.",
    // 2
    "Your patience will be tested this year, and delays are likely. It is a time to take a "
    "second look at your relationships and to cooperate rather than push. What you began last "
    "year progresses step by step; let it ripen.",
    // 3
    "A year of recognition and rewards. Your social life is busy and your creativity and "
    "enthusiasm are high. Express yourself, enjoy your friendships and let your talents be "
    "seen.",
    // 4
    "Focus on your dreams and on practical developments. This is a year for organising your "
    "life, working hard and putting things in order. It is a foundation year: the results "
    "you build now show next year.",
    // 5
    "Last year's hard work pays off. Pending tasks move forward and opportunities appear, "
    "some of them unexpected. Change and travel are likely; take some risks, but keep your "
    "feet on the ground.",
    // 6
    "This year centres on your relationships with family, friends and co-workers. Love, "
    "responsibility and nurturing are its themes, and self-love belongs among them. Care for "
    "others, and let yourself be cared for.",
    // 7
    "A year of introspection and reflection. You seek your purpose and the deeper meaning of "
    "what you do. Solitude and study help; be patient, as outward results may come slowly.",
    // 8
    "Focus on your tasks and on the outer world. Career and worldly accomplishment are "
    "favoured, and money matters can improve. Progress comes step by step through effort and "
    "good management.",
    // 9
    "A year of completion. Review the lessons you have learnt and let go of the baggage you "
    "have outgrown before the next cycle begins. Gratefulness and compassion make the ending "
    "a graceful one.",
};

const char* const kDayTexts[10] = {
    // 1
    "Think about yourself today: your plans, your desires and your independence. It is a day "
    "to act rather than wait, so carry out the plans you have made.",
    // 2
    "Accept what is useful and let the rest go. Sort out conflicts gently; this is a day of "
    "friendships, conversation and ideas shared with others.",
    // 3
    "A day for fun and recreation. Enjoy company and express yourself, but be careful not to "
    "say too much or promise more than you can keep.",
    // 4
    "Make your labours fruitful today. Work steadily, settle business dealings and put your "
    "affairs in order.",
    // 5
    "A day of change: travel, renovation and freedom. Be open to the unexpected and to new "
    "friends.",
    // 6
    "Seek balance and harmony today. Give your attention to your home and family, and to the "
    "people who depend on you.",
    // 7
    "Stay calm and balanced today. Take time to think, rest and listen to your inner voice "
    "before you act.",
    // 8
    "A day of victory. Promote your business and your interests; decisions come easily and "
    "efforts bring results.",
    // 9
    "Share willingly today and start nothing new. Finish what is pending, and share your "
    "feelings with your loved ones.",
    // 11
    "A day of heightened intuition and inspiration. Trust your insights and the ideas that "
    "come unbidden, but keep calm: nervous energy runs high, so avoid hasty quarrels.",
};

const char* const kMonthTexts[10] = {
    // 1
    "A month of new beginnings. The seeds you plant now will grow later in the year, so start "
    "the projects that matter to you.",
    // 2
    "New friends come into your life and awaited success draws near. Conflicts are eased by "
    "cooperation and patience.",
    // 3
    "The month of creativity. It is a good time to start anything new, and social invitations "
    "will come your way; accept them.",
    // 4
    "A month for legal, property and financial matters. Organise and plan carefully, and do "
    "the practical work that stands waiting.",
    // 5
    "Leave old problems behind and look at things with fresh eyes. Learning is favoured, but "
    "do not take on too many tasks at once.",
    // 6
    "A month of willingness and care. Your home, the love of your family and their health "
    "need your attention.",
    // 7
    "Listen to your heart this month. Examine your plans without criticising yourself, and "
    "keep the peace around you.",
    // 8
    "Effort this month leads towards success and material power. If something does not work "
    "at first, try again: repeated efforts pay.",
    // 9
    "Do not resist what is out of your reach. Enjoy social activities and take a broad "
    "outlook; personal goals may have to be put aside for a while.",
    // 11
    "A month of inspiration and spiritual insight. Your intuition is your best guide now; "
    "share your ideas, but pace yourself, as emotions and nerves can run high.",
};

// One step: a value of two or more digits becomes its first digit plus its last digit.
int Step(int n) { return FirstAndLastStep(n); }

QString TableText(const char* const* texts, int number, bool hasEleven) {
  if (number >= 1 && number <= 9) return QString::fromUtf8(texts[number - 1]);
  if (hasEleven && number == 11) return QString::fromUtf8(texts[9]);
  return {};
}

int TodayPart(int value) { return ReduceDigits(QString::number(value)); }

}  // namespace

int PersonalYearNumber(const Person& person, const QDate& today) {
  const int d = Step(DigitSum(person.day));
  const int m = GetMonthNumber(person.monthName);
  const int x = Step(d + m);
  return ReduceDigits(QString::number(TodayPart(today.year()) + x));
}

int PersonalMonthNumber(const Person& person, const QDate& today) {
  const int total = ReduceDigits(TrimBlanks(person.day)) + GetMonthNumber(TrimBlanks(person.monthName)) +
                    TodayPart(today.month()) + TodayPart(today.year());
  return ReduceDigits(QString::number(total));
}

int PersonalDayNumber(const Person& person, const QDate& today) {
  const int total = ReduceDigits(TrimBlanks(person.day)) + GetMonthNumber(TrimBlanks(person.monthName)) +
                    TodayPart(today.day()) + TodayPart(today.month()) + TodayPart(today.year());
  return ReduceDigits(QString::number(total));
}

QString PersonalYearLabel(const Person& person, const QDate& today) {
  return kYearHeading + QString::number(PersonalYearNumber(person, today));
}

QString PersonalYearMeaning(int number) { return TableText(kYearTexts, number, false); }
QString PersonalMonthMeaning(int number) { return TableText(kMonthTexts, number, true); }
QString PersonalDayMeaning(int number) { return TableText(kDayTexts, number, true); }

SectionRuns PersonalYearSection(const Person& person, const QDate& today, bool comprehensive) {
  const int n = PersonalYearNumber(person, today);
  return ReadingSection(kYearHeading, QString::number(n), kYearDescription,
                        PersonalYearMeaning(n), comprehensive);
}

SectionRuns PersonalMonthSection(const Person& person, const QDate& today, bool comprehensive) {
  const int n = PersonalMonthNumber(person, today);
  return ReadingSection(kMonthHeading, QString::number(n), kMonthDescription,
                        PersonalMonthMeaning(n), comprehensive);
}

SectionRuns PersonalDaySection(const Person& person, const QDate& today, bool comprehensive) {
  const int n = PersonalDayNumber(person, today);
  return ReadingSection(kDayHeading, QString::number(n), kDayDescription, PersonalDayMeaning(n),
                        comprehensive);
}

}  // namespace reading
