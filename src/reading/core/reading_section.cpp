#include "reading/core/reading_section.h"

#include "services/text_rules.h"
#include "services/web_pages.h"

namespace reading {

QString JoinedName(const Person& person) {
  return TrimBlanks(person.firstName) + TrimBlanks(person.middleName) + TrimBlanks(person.lastName);
}

SectionWriter& SectionWriter::Add(const QString& text) {
  if (text.isEmpty()) return *this;
  if (!runs_.isEmpty() && runs_.back().bold == bold_ && runs_.back().color == color_) {
    runs_.back().text += text;
  } else {
    runs_.append(TextRun{text, bold_, color_});
  }
  return *this;
}

QString HeadingBreaks(bool comprehensive, bool twoInBoth) {
  return (comprehensive && !twoInBoth) ? kCrLf : kTwoBreaks;
}

SectionRuns ReadingSection(const QString& heading, const QString& number,
                           const QString& description, const QString& meaning,
                           bool comprehensive, const SectionOptions& options) {
  SectionWriter w;
  w.Bold(true).Color(kSectionColor);
  w.Add(heading + number + HeadingBreaks(comprehensive, options.twoBreaksAfterHeading));
  if (options.boldOffAfterHeading) w.Bold(false);
  w.Add(description + kTwoBreaks);
  if (options.hasMeaning) w.Add(meaning + kTwoBreaks);
  for (const SubSection& sub : options.subSections) {
    w.Bold(true).Color(kSubHeadingColor).Add(sub.heading + kTwoBreaks);
    w.Bold(false).Add(sub.text + kTwoBreaks);
  }
  w.Add(ReportFooter() + kTwoBreaks);
  w.Add(kTwoBreaks);
  return w.runs();
}

QString PlainText(const SectionRuns& runs) {
  QString text;
  for (const TextRun& run : runs) text += run.text;
  return text;
}

}  // namespace reading
