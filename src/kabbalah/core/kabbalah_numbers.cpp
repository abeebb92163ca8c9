#include "kabbalah/core/kabbalah_numbers.h"

#include <array>

#include "services/digits.h"

namespace kabbalah {
namespace {
const QString kCrLf = QStringLiteral("\r\n");

// A..Z.
constexpr std::array<int, 26> kLetterValues = {1,  2,  11, 4,  5,  17, 3,  8,  10, 10, 11, 12, 13,
                                               14, 16, 17, 19, 20, 21, 22, 6,  6,  6,  15, 10, 7};

// Rows: hour 0..23; columns: Sunday..Saturday.
constexpr int kLuckyNumberTable[24][7] = {
    {1, 7, 9, 5, 3, 6, 8}, {6, 8, 4, 2, 9, 5, 3}, {5, 3, 6, 8, 1, 7, 9}, {2, 9, 5, 3, 6, 8, 4},
    {8, 1, 7, 9, 5, 3, 6}, {3, 6, 8, 4, 2, 9, 5}, {9, 5, 3, 6, 8, 1, 7}, {4, 2, 9, 5, 3, 6, 8},
    {6, 8, 1, 7, 9, 5, 3}, {5, 3, 6, 8, 4, 2, 9}, {7, 9, 5, 3, 6, 8, 1}, {8, 4, 2, 9, 5, 3, 6},
    {3, 6, 8, 1, 7, 9, 5}, {9, 5, 3, 6, 8, 4, 2}, {1, 7, 9, 5, 3, 6, 8}, {6, 8, 4, 2, 9, 5, 3},
    {5, 3, 6, 8, 1, 7, 9}, {2, 9, 5, 3, 6, 8, 4}, {8, 1, 7, 9, 5, 3, 6}, {3, 6, 8, 4, 2, 9, 5},
    {9, 5, 3, 6, 8, 1, 7}, {4, 2, 9, 5, 3, 6, 8}, {6, 8, 1, 7, 9, 5, 3}, {5, 3, 6, 8, 4, 2, 9}};

const char* const kLuckyColorNames[21] = {
    "Yellow",    "Dark Blue",       "Light Blue", "Dark Red",  "Violet",     "Blue",           "Yellow,Brown",
    "Grey",      "Dark Brown,Dark Blue", "Black,White,Brown", "Mauve", "Dazzling White", "Light Red", "Dark Blue",
    "Black",     "Red",             "Greenish Yellow", "Green", "Gold",     "Silver",         "Orange"};

int numberIn(const QString& decimal) {
  bool ok = false;
  const int n = decimal.toInt(&ok);
  return ok ? n : 0;
}
}  // namespace

int GetKabbalahLetterValue(QChar letter) {
  const char16_t c = letter.unicode();
  if (c < u'A' || c > u'Z') return 0;
  return kLetterValues[c - u'A'];
}

int GetKabbalahNameValue(const QString& name) {
  // An int holds the sum of any name a text box can hold (values are at most 22 a letter).
  int total = 0;
  for (const QChar ch : name) total += GetKabbalahLetterValue(ch);
  return total > 22 ? DigitSum(total) : total;
}

int GetFirstHealthIndication(const QString& name) {
  const QString opening = name.left(2);
  if (opening == QLatin1String("TS") || opening == QLatin1String("TZ")) return 18;
  if (opening == QLatin1String("TH")) return 9;
  return GetKabbalahNameValue(name);
}

int GetLuckyNumber(int hour, int weekday) {
  if (hour < 0 || hour > 23 || weekday < 1 || weekday > 7) return 0;
  return kLuckyNumberTable[hour][weekday - 1];
}

QString LuckyColorName(int value) {
  if (value < 1 || value > 21) return QStringLiteral("Greenish Blue");
  return QString::fromLatin1(kLuckyColorNames[value - 1]);
}

int MoneyNumberOf(int fullNameTotal) { return fullNameTotal <= 22 ? fullNameTotal : DigitSum(fullNameTotal); }

KabbalahResults ComputeKabbalahResults(const QString& first, const QString& middle, const QString& last, int hour,
                                       int weekday) {
  KabbalahResults r;
  r.BirthHour = hour;
  r.BirthWeekDay = weekday;
  r.FullNameTotal = GetKabbalahNameValue(first) + GetKabbalahNameValue(middle) + GetKabbalahNameValue(last);
  const int m = MoneyNumberOf(r.FullNameTotal);
  r.MoneyNumber = QString::number(m);
  r.LuckyNumber = QString::number(GetLuckyNumber(hour, weekday));
  r.SecondHealthIndication = QString::number(m);
  r.FirstHealthIndication = QString::number(GetFirstHealthIndication(first));
  r.FirstHealthInfluence = GetKabbalahNameValue(first);
  r.LuckyColor = LuckyColorName(r.FirstHealthInfluence);
  return r;
}

QString LuckyNumberBoxText() { return kCrLf + LuckyNumberText; }
QString LuckyColorBoxText() { return kCrLf + LuckyColorText; }

QString MoneyBoxText(const QString& number) {
  const QString text = MoneyText(numberIn(number));
  return kCrLf + (text.isEmpty() ? NoInterpretationText : text);
}

QString HealthBoxText(const QString& number) {
  const QString text = HealthText(numberIn(number));
  return kCrLf + (text.isEmpty() ? NoInterpretationText : text);
}

const QString ReportHeading = QStringLiteral("QZ Free Kabbalah Numerology Interpretation");

QList<ReportRun> BuildReport(const KabbalahResults& results, const QList<QString>& boxTexts) {
  const QString labels[6] = {QStringLiteral("Lucky Number :-"),           QStringLiteral("Lucky Color :-"),
                             QStringLiteral("Money Number :-"),           QStringLiteral("First Health Indication :-"),
                             QStringLiteral("First Health Influence :-"), QStringLiteral("Second Health Indication :-")};
  const QString values[6] = {results.LuckyNumber,           results.LuckyColor,
                             results.MoneyNumber,           results.FirstHealthIndication,
                             QString::number(results.FirstHealthInfluence), results.SecondHealthIndication};
  QList<ReportRun> runs;
  runs.append({QString(28, QLatin1Char(' ')) + ReportHeading + kCrLf + kCrLf, true, kReportHeadingColor});
  for (int i = 0; i < 6; ++i) {
    runs.append({labels[i] + values[i], true, kReportLabelColor});
    runs.append({boxTexts.value(i) + kCrLf + kCrLf, false, kReportBodyColor});
  }
  return runs;
}
}  // namespace kabbalah
