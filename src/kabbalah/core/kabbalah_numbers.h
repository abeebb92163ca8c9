#pragma once
// The Kabbalah numbers: Hebrew letter values of names, the lucky number by hour and weekday,
// the lucky colour, the money number and the health numbers, with their texts.
#include <QList>
#include <QString>

namespace kabbalah {
// The results of one calculation (numbers 0 and texts empty before the first).
struct KabbalahResults {
  int BirthHour = 0;               // 0..23
  int BirthWeekDay = 0;            // 1..7, Sunday = 1
  int FullNameTotal = 0;           // sum of the three name values
  QString MoneyNumber;             // decimal text
  QString SecondHealthIndication;  // decimal text, the same number as MoneyNumber
  QString LuckyNumber;             // decimal text
  QString FirstHealthIndication;   // decimal text
  int FirstHealthInfluence = 0;    // name value of the first name
  QString LuckyColor;              // a name from the colour table
};

// Value 1..22 of a capital letter A..Z; every other character is worth 0.
int GetKabbalahLetterValue(QChar letter);

// Sum of the letter values (capitals only, exact case); a sum above 22 is replaced by the
// sum of its decimal digits, once (29 gives 11, 599 gives 23).
int GetKabbalahNameValue(const QString& name);

// 18 for a name beginning with "TS" or "TZ", 9 for "TH" (exact case), else the name value.
int GetFirstHealthIndication(const QString& name);

// The lucky-number table's cell for an hour 0..23 and a weekday 1..7 (Sunday = 1);
// 0 outside the table.
int GetLuckyNumber(int hour, int weekday);

// The colour of a first-name value: the table for 1..21, "Greenish Blue" otherwise.
QString LuckyColorName(int value);

// The money number of a full-name total: the total if 22 or less, else its digit sum once.
int MoneyNumberOf(int fullNameTotal);

// The results of the trimmed name parts, the hour and the weekday.
KabbalahResults ComputeKabbalahResults(const QString& first, const QString& middle, const QString& last, int hour,
                                       int weekday);

// Interpretation texts.
extern const QString LuckyNumberText;
extern const QString LuckyColorText;
// The text for a number 1..22, or an empty string.
QString MoneyText(int number);
QString HealthText(int number);
// Shown in place of an interpretation for a number that has none.
extern const QString NoInterpretationText;

// The contents of the result window's boxes: CR LF, then the text for the number
// (a decimal text as in the results), or the notice that there is none.
QString LuckyNumberBoxText();
QString LuckyColorBoxText();
QString MoneyBoxText(const QString& number);
QString HealthBoxText(const QString& number);

// The report: runs of text with their format, in order.
struct ReportRun {
  QString text;
  bool bold = false;
  int color = 0;  // index of the rich text palette
  bool operator==(const ReportRun&) const = default;
};
// Colours of the report: heading red, labels dark blue, bodies black.
constexpr int kReportHeadingColor = 12;
constexpr int kReportLabelColor = 1;
constexpr int kReportBodyColor = 0;
extern const QString ReportHeading;
// The boxes' texts in tab order: lucky number, lucky colour, money number, first health
// indication, first health influence, second health indication.
QList<ReportRun> BuildReport(const KabbalahResults& results, const QList<QString>& boxTexts);
}  // namespace kabbalah
