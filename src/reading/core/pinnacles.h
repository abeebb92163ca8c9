#pragma once
// The four pinnacles of a birth date, each with its age span and meaning.
#include <QDate>

#include "reading/core/reading_section.h"

namespace reading {

// The display window's caption: the words alone, with no line break (a title bar shows none).
inline const QString kPinnaclePhasesTitle = QStringLiteral("Pinnacle Phases");

struct Pinnacles {
  int number[4] = {0, 0, 0, 0};  // 1..9, 11 or 22
  QString heading[4];            // span literal followed by the number
  QString meaning[4];            // the third gets one more CR LF when it is 1
};

Pinnacles PinnacleNumbers(const Person& person);
// The span literal of pinnacle index 0..3 for its number (11 counts as 2, 22 as 4 in the span).
QString PinnacleLiteral(int index, int number);
QString PinnacleMeaning(int number);  // 1..9, 11, 22; empty otherwise
SectionRuns PinnaclesSection(const Person& person, const QDate& today, bool comprehensive);

}  // namespace reading
