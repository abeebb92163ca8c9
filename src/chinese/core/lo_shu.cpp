#include "chinese/core/lo_shu.h"

#include "services/calendar.h"

namespace chinese {
namespace {
const QString kNumberHeading = QStringLiteral("Most Favorable Number by Chinese Numerology");
const QString kDirectionHeading = QStringLiteral("Most Favorable Direction by Chinese Numerology");
const QString kOccurrence = QStringLiteral("Number of occurrence: ");
const QString kTwoBreaks = QStringLiteral("\r\n\r\n");

QString paragraphs(std::initializer_list<const char*> parts) {
  QStringList list;
  for (const char* p : parts) list << QString::fromUtf8(p);
  return list.join(kTwoBreaks);
}

const std::array<QString, 9>& meanings() {
  static const std::array<QString, 9> texts = {
      paragraphs({
          "The number 1 is the \"single entity\", the origin from which all things come. It is a Yang "
          "number, masculine in nature, and is held to be auspicious. People strongly marked by 1 are "
          "forceful and like to take the lead, at times to the point of dominating those around them. "
          "They are jolly company and romantic at heart, but they can be egotistic and slow to see "
          "another person's point of view.",
          "With one 1 in the chart you may find it hard to express your inner feelings, and you need "
          "time before you open up to others. With two 1s you are understanding and communicate "
          "easily; you see both sides of a question and people find you easy to talk to.",
          "With four 1s you are compassionate and deeply sensitive, and you feel the moods of others "
          "as if they were your own. With five or more you tend to overindulge, in food, in pleasure "
          "or in feeling, yet this intensity makes many of you good writers, artists and dancers.",
      }),
      paragraphs({
          "The number 2 stands for duality and balance: day and night, giving and taking. Taken alone "
          "it is thought inauspicious. It is a Yin number, feminine in nature, and is ruled by the Moon. "
          "People strongly marked by 2 are gentle and warm, good at smoothing over quarrels, and "
          "diplomatic in the way they handle others.",
          "With one 2 in the chart you are sensitive and pick up quickly on what others feel. With two "
          "2s you are intelligent and intuitive, and your first impression of a person or a situation "
          "is usually right. With four 2s you can be impatient and quick to lose interest when things "
          "move slowly.",
          "With five or more 2s you may become uncompromising, holding on to your view whatever is "
          "said, and inclined to complain when the world does not follow it. Learning to let small "
          "things pass brings you much more peace.",
      }),
      paragraphs({
          "The number 3 is the number of ideals, growth and creativity. It is the first odd Yang number "
          "and is held to be auspicious. People strongly marked by 3 are optimistic and love to travel "
          "and see new places. They are outspoken, say what they think, and have a lively sense of "
          "humour that makes them welcome company.",
          "With one 3 in the chart you have a good memory and clear goals, and you know where you want "
          "to go. With two 3s you are creative and full of ideas, with a gift for finding new ways of "
          "doing old things. With four 3s you can become over-imaginative, so that worries and "
          "daydreams grow larger than the facts behind them.",
      }),
      paragraphs({
          "The number 4 stands for wholeness. It is an Earthly number, symbolised by the square with its "
          "four sides and four corners, and it speaks of stability and order. It is a Yin number. People "
          "strongly marked by 4 are hard workers and committed organisers; they like things tidy, "
          "planned and done properly.",
          "With one 4 in the chart you are balanced and organised, and you bring order wherever you go. "
          "With two 4s you may become materialistic, measuring success too much by what can be owned "
          "or counted.",
          "With three or more 4s you are very hard working, and because your goals are practical and "
          "within reach, your steady effort is usually rewarded.",
      }),
      paragraphs({
          "The number 5 stands for emotional stability and sits at the centre of the chart, holding the "
          "other numbers in balance. People strongly marked by 5 are charming and witty, versatile and "
          "practical, and they love their freedom above almost anything else.",
          "With one 5 in the chart you are caring and balanced, and others lean on your calm. With two "
          "5s you are determined and do not give up once your mind is set. With three or more 5s you "
          "are fortunate and intellectual, with a quick mind that turns chances into results.",
      }),
      paragraphs({
          "The number 6 stands for equilibrium and harmony. It is a number of luck, health, wealth and "
          "happiness. People strongly marked by 6 are attractive and artistic, with a feeling for beauty "
          "in their homes and their work, and money tends to come to them naturally.",
          "With one 6 in the chart you are a lover of family life; home and the people in it matter to "
          "you more than anything. With two 6s you are free spirited and dislike being tied down by "
          "rules or routine.",
          "With four or more 6s you are balanced in your judgement but emotional in your reactions, "
          "and you feel joys and disappointments more strongly than most.",
      }),
      paragraphs({
          "The number 7 belongs to the deep, practical thinker. It carries a spiritual vibration, and "
          "people strongly marked by it are quiet observers who watch and understand before they speak.",
          "Such people are calm and affectionate with those close to them, and their patience and love "
          "of detail make them good researchers in whatever field they choose.",
          "With one 7 in the chart you may lose something or someone close to you, and learn from that "
          "loss. With two 7s you are drawn to the spiritual side of life. With three 7s you may meet "
          "losses more than once and must guard what you value. Four or more 7s are rare and point to "
          "hardships at home and with money, which call for care and courage.",
      }),
      paragraphs({
          "The number 8 stands for patience, perseverance and wisdom, and it brings luck and fortune. "
          "People strongly marked by 8 are generous yet reserved, careful with their money, and "
          "dependable: when they promise something, it is done.",
          "With one 8 in the chart you are determined and powerful, able to carry plans through to the "
          "end. With two 8s you can be stubborn and hard to move once you have decided. With three or "
          "more 8s you tend to be impatient and restless, always looking for the next thing to do.",
      }),
      paragraphs({
          "The number 9 carries extraordinary energy. People strongly marked by 9 are determined and "
          "courageous, confident in what they do, honest and loyal to those they care about, and "
          "natural leaders whom others are glad to follow.",
          "With one 9 in the chart you are intellectual and like to understand how things work. With "
          "two 9s you are friendly and make people feel at ease. With three or more 9s you are both "
          "intelligent and practical, able to turn ideas into results.",
      }),
  };
  return texts;
}
}  // namespace

QString DateDigits(const QString& day, const QString& monthName, const QString& year) {
  const int month = calendar::MonthNumber(monthName);
  return day + (month > 0 ? QString::number(month) : QString()) + year;
}

LoShuChart LoShuChartOf(const QString& dateDigits) {
  LoShuChart chart;
  chart.dateDigits = dateDigits;
  for (QChar c : dateDigits) {
    const int d = c.unicode() - u'0';
    if (d >= 1 && d <= 9) chart.digitStrings[d - 1] += c;
  }
  // Scan in ascending order: a greater count takes the lead, an equal one marks a tie.
  qsizetype max = chart.digitStrings[0].size();
  int favourite = 1;
  bool tie = false;
  for (int d = 2; d <= 9; ++d) {
    const qsizetype len = chart.digitStrings[d - 1].size();
    if (len > max) {
      max = len;
      favourite = d;
      tie = false;
    } else if (len == max) {
      tie = true;
    }
  }
  if (!tie) {
    chart.favourableDigits = {favourite};
  } else {
    for (int d = 1; d <= 9; ++d)
      if (chart.digitStrings[d - 1].size() == max) chart.favourableDigits << d;
  }
  chart.occurrences = static_cast<int>(max);
  return chart;
}

LoShuChart ComputeLoShuChart(const QString& day, const QString& monthName, const QString& year) {
  return LoShuChartOf(DateDigits(day, monthName, year));
}

QString CellCaption(const LoShuChart& chart, int index) {
  if (index < 0 || index > 8) return {};
  return QStringLiteral("[%1]").arg(index + 1) + kCrLf + chart.digitStrings[index];
}

QString Direction(int digit) {
  static const std::array<QString, 9> directions = {
      QStringLiteral("North"),      QStringLiteral("South-West"), QStringLiteral("East"),
      QStringLiteral("South-East"), QString(),                    QStringLiteral("North-West"),
      QStringLiteral("West"),       QStringLiteral("North-East"), QStringLiteral("South")};
  if (digit < 1 || digit > 9) return {};
  return directions[digit - 1];
}

QString NumberMeaning(int digit) {
  if (digit < 1 || digit > 9) return {};
  return meanings()[digit - 1];
}

QList<LoShuRun> FavourableNumberRuns(const LoShuChart& chart) {
  QList<LoShuRun> runs;
  runs.append({kNumberHeading + kCrLf, true, kHeadingColor, 0});
  const QString count = kOccurrence + QString::number(chart.occurrences) + kTwoBreaks;
  for (int d : chart.favourableDigits) {
    runs.append({QString::number(d) + kCrLf, false, kBodyColor, kNumberFontSize});
    runs.append({count, false, kBodyColor, 0});
    runs.append({NumberMeaning(d) + kTwoBreaks, false, kBodyColor, 0});
  }
  if (chart.favourableDigits.size() == 1) {
    runs.append({kDirectionHeading + kCrLf, true, kHeadingColor, 0});
    runs.append({Direction(chart.favourableDigits.first()), false, kBodyColor, 0});
  } else {
    runs.append({kCrLf + kDirectionHeading + kCrLf, true, kHeadingColor, 0});
    for (int d : chart.favourableDigits) runs.append({Direction(d) + kCrLf, false, kBodyColor, 0});
  }
  return runs;
}

QString FavourableNumberText(const LoShuChart& chart) {
  QString text;
  for (const LoShuRun& run : FavourableNumberRuns(chart)) text += run.text;
  return text;
}
}  // namespace chinese
