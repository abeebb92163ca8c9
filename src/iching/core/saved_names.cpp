#include "saved_names.h"

#include <QFile>
#include <QFileInfo>

#include "file_io.h"
#include "reading_file.h"

namespace iching {
namespace {
constexpr int kReadingLines = 6;

}  // namespace

bool HasReadingFileEnding(const QString& path) { return reading::ReadingFile::HasReadingExtension(path); }

SavedNames ReadSavedNames(const QString& path) {
  SavedNames result;
  const std::optional<QByteArray> head = ReadFileHead(path);
  if (!head) return result;
  const QByteArray& bytes = *head;
  if (SplitLines(bytes, kReadingLines).size() < kReadingLines) {
    result.status = SavedNamesStatus::TooFewLines;
    return result;
  }
  const reading::Person person = reading::ReadingFile::FromBytes(bytes);
  result.status = SavedNamesStatus::Ok;
  result.first = person.firstName;
  result.middle = person.middleName;
  result.last = person.lastName;
  return result;
}

QString SavedNamesMessage(SavedNamesStatus status) {
  switch (status) {
    case SavedNamesStatus::Ok:
      return QString();
    case SavedNamesStatus::Unreadable:
      return QStringLiteral("The file could not be read. Please check that it exists and that you may open it.");
    case SavedNamesStatus::TooFewLines:
      return QStringLiteral(
          "This file does not hold a complete saved reading: it has fewer than six lines. Please choose a "
          "reading file saved by the numerology reading.");
  }
  return QString();
}
}  // namespace iching
