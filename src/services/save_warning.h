#pragma once
// Before a reading file is saved: names the characters that the file cannot hold and asks
// whether to save without them. True when there are none, or the user says Yes.
#include <QString>

bool ConfirmSavingWithout(const QString& lostCharacters, const QString& fileDescription);
