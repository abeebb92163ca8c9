#include "chinese/core/chinese_reading.h"

#include <QFile>
#include <QList>

#include "services/calendar.h"
#include "services/file_io.h"
#include "services/text_codec.h"
#include "services/text_rules.h"

namespace chinese {
namespace {
const QByteArray kLineEnd("\r\n");

QByteArray encodeField(const QString& text) { return EncodeBytes(ansi::fromUnicode(text)); }
QString decodeField(const QByteArray& bytes) { return ansi::toUnicode(DecodeBytes(bytes)); }

// Lines ending in CR LF, a lone CR or a lone LF; a last line without an end counts too.
}  // namespace

ChinesePerson PersonOf(const QString& name, const QString& day, const QString& month, const QString& year) {
  ChinesePerson person;
  person.PersonName = TrimBlanks(name);
  person.BirthDay = TrimBlanks(day);
  person.BirthMonth = TrimBlanks(month);
  person.BirthYear = TrimBlanks(year);
  // Formed from the numbers, never from a text read back by a locale's parser.
  person.BirthDate =
      QDate(person.BirthYear.toInt(), calendar::MonthNumber(person.BirthMonth), person.BirthDay.toInt());
  return person;
}

DateFault CheckBirthDate(int day, int month, int year) {
  if (month == 2 && !calendar::IsValidDate(day, month, year)) return DateFault::February;
  if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31) return DateFault::ThirtyDayMonth;
  return DateFault::None;
}

QByteArray EncodeChineseReading(const ChineseReadingFile& reading) {
  QByteArray out;
  for (const QString* field : {&reading.personName, &reading.birthDay, &reading.birthMonth, &reading.birthYear})
    out += encodeField(*field) + kLineEnd;
  return out;
}

ChineseReadingFile DecodeChineseReading(const QByteArray& bytes) {
  const QList<QByteArray> lines = SplitLines(bytes, 4);
  auto line = [&lines](int i) { return i < lines.size() ? decodeField(lines[i]) : QString(); };
  return {line(0), line(1), line(2), line(3)};
}

bool HasChineseReadingExtension(const QString& path) { return path.endsWith(QLatin1String("cnu"), Qt::CaseInsensitive); }

bool WriteChineseReadingFile(const QString& path, const ChineseReadingFile& reading, QString* error) {
  return WriteWholeFile(path, EncodeChineseReading(reading), error);
}

std::optional<ChineseReadingFile> ReadChineseReadingFile(const QString& path) {
  const std::optional<QByteArray> bytes = ReadFileHead(path);
  if (!bytes) return std::nullopt;
  return DecodeChineseReading(*bytes);
}

QString UnsavableCharacters(const QString& text) { return CharactersLostByEncoding(text); }

QString ReportText(const QString& personName, const QString& birthDateText, const QString& favourableText,
                   const QString& footer) {
  const QString crLf = QStringLiteral("\r\n");
  QString text;
  text += QStringLiteral("Name: ") + personName + crLf;
  text += footer + crLf + crLf;
  text += QStringLiteral("Date of Birth: ") + birthDateText + crLf;
  text += footer + crLf + crLf;
  text += favourableText + crLf;
  text += footer + crLf + crLf;
  text += crLf;
  text += footer;
  return text;
}

QString PrintText(const QString& report, const QString& footer) {
  const QString twoBreaks = QStringLiteral("\r\n\r\n");
  return footer + twoBreaks + report + twoBreaks + footer;
}

QString FirstFieldOf(const QByteArray& bytes) {
  qsizetype end = 0;
  while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
  const QByteArray line = bytes.left(end);
  qsizetype i = 0;
  while (i < line.size() && line[i] == ' ') ++i;
  QByteArray field;
  if (i < line.size() && line[i] == '"') {
    const qsizetype close = line.indexOf('"', i + 1);
    field = close < 0 ? line.mid(i + 1) : line.mid(i + 1, close - i - 1);
  } else {
    const qsizetype comma = line.indexOf(',', i);
    field = comma < 0 ? line.mid(i) : line.mid(i, comma - i);
    while (!field.isEmpty() && field.back() == ' ') field.chop(1);
  }
  return decodeField(field);
}

std::optional<QString> ReadFirstField(const QString& path) {
  const std::optional<QByteArray> bytes = ReadFileHead(path);
  if (!bytes || bytes->isEmpty()) return std::nullopt;
  return FirstFieldOf(*bytes);
}
}  // namespace chinese
