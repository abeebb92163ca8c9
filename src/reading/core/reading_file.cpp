#include "reading/core/reading_file.h"

#include "services/file_io.h"

#include <QFile>

#include "services/text_codec.h"

namespace reading {

namespace {

QList<const QString*> Fields(const Person& p) {
  return {&p.firstName, &p.middleName, &p.lastName, &p.monthName, &p.day, &p.year};
}
QList<QString*> Fields(Person& p) {
  return {&p.firstName, &p.middleName, &p.lastName, &p.monthName, &p.day, &p.year};
}
}  // namespace

QByteArray ReadingFile::ToBytes(const Person& person) {
  QByteArray out;
  for (const QString* field : Fields(person)) {
    out += EncodeBytes(ansi::fromUnicode(*field));
    out += "\r\n";
  }
  return out;
}

Person ReadingFile::FromBytes(const QByteArray& bytes) {
  const QList<QByteArray> lines = SplitLines(bytes, 6);

  Person person;
  const QList<QString*> fields = Fields(person);
  for (int i = 0; i < 6 && i < lines.size(); ++i) *fields[i] = ansi::toUnicode(DecodeBytes(lines[i]));
  return person;
}

bool ReadingFile::Write(const QString& path, const Person& person, QString* error) {
  return WriteWholeFile(path, ToBytes(person), error);
}

std::optional<Person> ReadingFile::Read(const QString& path) {
  const std::optional<QByteArray> bytes = ReadFileHead(path);
  if (!bytes) return std::nullopt;
  return FromBytes(*bytes);
}

bool ReadingFile::HasReadingExtension(const QString& path) {
  return path.endsWith(QLatin1String("num"), Qt::CaseInsensitive);
}

QString ReadingFile::UnsavableCharacters(const Person& person) {
  QString all;
  for (const QString* field : Fields(person)) all += *field;
  return CharactersLostByEncoding(all);
}

}  // namespace reading
