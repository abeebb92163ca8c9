#include "iching/core/saved_names.h"

#include "reading/core/reading_file.h"

namespace iching {
bool HasReadingFileEnding(const QString& path) { return reading::ReadingFile::HasReadingExtension(path); }

SavedNames ReadSavedNames(const QString& path) {
  SavedNames result;
  const std::optional<reading::Person> person = reading::ReadingFile::Read(path);
  if (!person) return result;
  result.status = SavedNamesStatus::Ok;
  result.first = person->firstName;
  result.middle = person->middleName;
  result.last = person->lastName;
  return result;
}

QString SavedNamesMessage(SavedNamesStatus status) {
  switch (status) {
    case SavedNamesStatus::Ok:
      return QString();
    case SavedNamesStatus::Unreadable:
      return QStringLiteral("The file could not be read. Please check that it exists and that you may open it.");
  }
  return QString();
}
}  // namespace iching
