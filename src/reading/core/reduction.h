#pragma once
// Letter values, name values and the reductions of the numerology reading.
// Master numbers 11 and 22 are kept where a reduction says so.
#include <QString>

#include "services/digits.h"

namespace reading {

// Pythagorean value of one capital letter A..Z (1..9); anything else, including lower case,
// an empty string or a longer string, is worth 0.
int GetLetterValue(const QString& letter);
int GetLetterValue(QChar letter);

// Sum of the letter values of every character; no reduction.
int GetNameValue(const QString& name);

// Reduces n keeping 11 and 22 at the first two steps; writes the result back into n.
int ReduceNumber(int& n);
// The same for a value that need not be written back.
int ReducedNumber(int n);

// Digit sum of a digit string, kept if 11 or 22, else up to two first-and-last steps.
// Characters other than digits count nothing; an empty string gives 0.
int ReduceDigits(const QString& digits);

// Digit sum, kept if 11 or 22, else exactly one first-and-last step (may stay 10 or more).
int ReduceDigitsOnce(const QString& digits);

// "January" 1 .. "September" 9, "October" 1, "November" 2, "December" 3; anything else 0.
int GetMonthNumber(const QString& monthName);

// One first-and-last step: a value of two or more digits becomes its first digit plus its
// last digit; a single digit stays as it is.
int FirstAndLastStep(int n);

}  // namespace reading
