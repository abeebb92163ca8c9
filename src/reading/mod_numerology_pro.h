#pragma once
// The tool's module state: the six fields of the last successful Next, trimmed. They are
// what the display and comprehensive windows save.
#include <QString>

#include "reading_section.h"

extern QString ProFirstName;
extern QString ProMiddleName;
extern QString ProLastName;
extern QString ProBirthMonth;
extern QString ProBirthDate;
extern QString ProBirthYear;

namespace reading {
// The six module strings as a person, in file order.
Person SavedPerson();
}  // namespace reading
