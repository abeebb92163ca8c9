#pragma once
// The names of a saved numerology reading ("*.num"), as the name luck window takes them.
#include <QString>

namespace iching {
// True when the path ends in "num", in any letter case, as the reading tool takes its files.
bool HasReadingFileEnding(const QString& path);

enum class SavedNamesStatus {
  Ok,
  Unreadable,  // the file cannot be opened or read
};

struct SavedNames {
  SavedNamesStatus status = SavedNamesStatus::Unreadable;
  QString first, middle, last;  // decoded lines 1 to 3 (only with Ok); a line the file lacks is empty
};

// Reads the file as a saved reading; the birth-date lines are not used here.
SavedNames ReadSavedNames(const QString& path);

// The message for a file that could not be used; empty for Ok.
QString SavedNamesMessage(SavedNamesStatus status);
}  // namespace iching
