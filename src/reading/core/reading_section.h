#pragma once
// A reading section as data: runs of text with their formatting, appended in order to the
// display window's rich text box. Colours are indexes of the rich text palette.
#include <QList>
#include <QString>

namespace reading {
struct TextRun {
  QString text;
  bool bold = true;
  int color = 0;
  bool operator==(const TextRun&) const = default;
};
using SectionRuns = QList<TextRun>;

// The person on screen: the input window's six fields as typed and picked.
struct Person {
  QString firstName;
  QString middleName;
  QString lastName;
  QString monthName;  // "January" .. "December"
  QString day;        // "1" .. "31"
  QString year;       // "1900" .. "2050"
};
}  // namespace reading
