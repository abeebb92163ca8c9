#pragma once
// The saved reading: the person's three names and birth date, six lines of encoded text,
// each ended by CR LF, one byte per character.
#include <QByteArray>
#include <QString>
#include <optional>

#include "reading/core/reading_section.h"

namespace reading {

class ReadingFile {
 public:
  // The six encoded lines: first, middle, last name, month name, day, year.
  static QByteArray ToBytes(const Person& person);
  // Up to six lines (CR LF, CR or LF ends a line); missing lines are empty, extra ones ignored.
  static Person FromBytes(const QByteArray& bytes);

  // Writes the whole file or nothing; false when writing failed.
  static bool Write(const QString& path, const Person& person, QString* error = nullptr);
  // nullopt when the file cannot be opened or read.
  static std::optional<Person> Read(const QString& path);

  // True when the path ends in "num", in any letter case.
  static bool HasReadingExtension(const QString& path);

  // The distinct characters of the six fields that the file cannot hold as they are
  // (outside the code page, or with a code above 170), in order of first appearance.
  static QString UnsavableCharacters(const Person& person);
};

}  // namespace reading
