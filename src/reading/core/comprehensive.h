#pragma once
// The reading's numbers in the order of the comprehensive reading, and the comprehensive
// reading itself as data: the header, the sections in order, the closing line breaks.
#include <QDate>
#include <QList>
#include <QString>
#include <functional>

#include "reading/core/reading_section.h"

namespace reading {

using SectionFunction = std::function<SectionRuns(const Person& person, const QDate& today, bool comprehensive)>;

struct ReadingNumber {
  QString button;        // the reading window's button
  QString caption;       // the button's caption
  QString title;         // the display window's caption in single-number mode
  QString label;         // the reading window's hidden label for the result
  QString labelCaption;  // that label's design caption
  SectionFunction section;  // the number's section
};

// The 22 numbers in the order the comprehensive reading runs them.
const QList<ReadingNumber>& ReadingNumbers();
// The number behind a button, or null.
const ReadingNumber* FindReadingNumber(const QString& button);

// "Name: " first " " middle " " last CR LF "Date of Birth: " month " " day ", " year CR LF CR LF,
// from the fields as they stand (untrimmed).
QString ComprehensiveHeader(const Person& person);

// The header in the default format (regular, colour 0), three line breaks, every number's
// section in comprehensive mode, two line breaks. Maturity under its guard (Life Path
// or Destiny 0) has no section here; the window shows the guard text on its own.
SectionRuns ComprehensiveReadingRuns(const Person& person, const QDate& today);

}  // namespace reading
