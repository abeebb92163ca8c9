#include "mod_numerology_pro.h"

QString ProFirstName;
QString ProMiddleName;
QString ProLastName;
QString ProBirthMonth;
QString ProBirthDate;
QString ProBirthYear;

namespace reading {
Person SavedPerson() {
  return Person{ProFirstName, ProMiddleName, ProLastName, ProBirthMonth, ProBirthDate, ProBirthYear};
}
}  // namespace reading
