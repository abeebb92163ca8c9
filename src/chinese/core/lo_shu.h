#pragma once
// The Lo Shu chart of a birth date and its most favourable number.
//
// The date's digits (day text, month number, year text) are counted into the nine cells
// of the chart; the favourable number is the digit that occurs most often, or every digit
// that shares the highest count. Zeros are not counted.
#include <QList>
#include <QString>
#include <array>

namespace chinese {
inline const QString kCrLf = QStringLiteral("\r\n");

// Palette indexes of the favourable number text.
constexpr int kHeadingColor = 15;  // white
constexpr int kBodyColor = 10;     // bright green
constexpr int kNumberFontSize = 16;

// The day text, the month's number as decimal text and the year text, joined.
// A month name outside January..December adds nothing.
QString DateDigits(const QString& day, const QString& monthName, const QString& year);

struct LoShuChart {
  QString dateDigits;
  std::array<QString, 9> digitStrings;  // [d - 1]: d written once per occurrence
  QList<int> favourableDigits;          // one or more, ascending
  int occurrences = 0;                  // count of each favourable digit

  const QString& DigitString(int digit) const { return digitStrings[digit - 1]; }
};

// The chart of a birth date given as the input window's three texts.
LoShuChart ComputeLoShuChart(const QString& day, const QString& monthName, const QString& year);

// The chart from the date digits alone (digits other than 1..9 are ignored).
LoShuChart LoShuChartOf(const QString& dateDigits);

// The caption of cell index i (0..8), which shows digit i + 1: "[d]" CR LF and the digits.
QString CellCaption(const LoShuChart& chart, int index);

// The favourable compass direction of a digit ("" for 5 and for digits outside 1..9).
QString Direction(int digit);
// The meaning of a digit: paragraphs separated by CR LF CR LF ("" outside 1..9).
QString NumberMeaning(int digit);

// One insertion into the rich text box, with the selection format set just before it.
struct LoShuRun {
  QString text;
  bool bold = false;
  int color = kBodyColor;
  int fontSize = 0;  // 0: leave the size as it is (a size once set holds for later text)
  bool operator==(const LoShuRun&) const = default;
};

// The favourable number text of a chart, in the order it is inserted.
QList<LoShuRun> FavourableNumberRuns(const LoShuChart& chart);
// The same text without formatting.
QString FavourableNumberText(const LoShuChart& chart);
}  // namespace chinese
