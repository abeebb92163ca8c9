#pragma once
// Text helpers with the suite's own rules.
#include <QString>

// Removes leading and trailing blanks (U+0020) only; tabs and line breaks stay.
QString TrimBlanks(const QString& s);
// Upper-cases the letters a to z only, leaving every other character as it is.
QString UpperAsciiLetters(const QString& s);
