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

// Trimmed first, middle and last name joined without blanks.
QString JoinedName(const Person& person);

inline const QString kCrLf = QStringLiteral("\r\n");
inline const QString kTwoBreaks = QStringLiteral("\r\n\r\n");

// Palette indexes used by the sections.
constexpr int kSectionColor = 3;     // dark cyan
constexpr int kSubHeadingColor = 4;  // dark red

// Appends text with a current bold and colour, the way a rich text box's selection does:
// each Add continues the current format; runs with the same format merge.
class SectionWriter {
 public:
  SectionWriter& Bold(bool on) { bold_ = on; return *this; }
  SectionWriter& Color(int color) { color_ = color; return *this; }
  SectionWriter& Add(const QString& text);
  const SectionRuns& runs() const { return runs_; }

 private:
  SectionRuns runs_;
  bool bold_ = false;
  int color_ = 0;
};

// One sub-section: a bold colour-4 sub-heading, then its text in regular weight.
struct SubSection {
  QString heading;
  QString text;
};

struct SectionOptions {
  bool twoBreaksAfterHeading = false;  // in comprehensive mode too
  bool boldOffAfterHeading = false;    // the rest of the section in regular weight
  bool hasMeaning = true;              // sections made of sub-sections may have none
  QList<SubSection> subSections;       // after the meaning, before the footer
};

// The common layout of a number's section:
// bold on, colour 3; heading + number, then CR LF CR LF in single mode and CR LF in
// comprehensive mode (two in both with twoBreaksAfterHeading); [bold off]; description,
// two breaks; meaning, two breaks; each sub-section (sub-heading bold colour 4, two breaks;
// text regular, two breaks); ReportFooter(), two breaks; two breaks; bold off.
SectionRuns ReadingSection(const QString& heading, const QString& number,
                           const QString& description, const QString& meaning,
                           bool comprehensive, const SectionOptions& options = {});

// The line breaks after a heading in the given mode.
QString HeadingBreaks(bool comprehensive, bool twoInBoth = false);

// The whole text of the runs, without formatting.
QString PlainText(const SectionRuns& runs);
}  // namespace reading
