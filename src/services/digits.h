#pragma once
// Digit sums, the step every numerology tool reduces its numbers with.
#include <QString>
#include <QtGlobal>

// The sum of the ASCII digits "0" to "9" of a text; every other character adds nothing.
int DigitSum(const QString& text);
// The sum of the decimal digits of |n|.
int DigitSum(qint64 n);
