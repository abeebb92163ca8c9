// The saved reading (*.num): any bytes read as a person, and what is written reads back equal.
#include <QFile>

#include "fuzz_support.h"
#include "reading/core/reading_file.h"
#include "services/text_codec.h"

using reading::Person;
using reading::ReadingFile;

namespace {
QList<QString> fields(const Person& p) {
  return {p.firstName, p.middleName, p.lastName, p.monthName, p.day, p.year};
}
bool same(const Person& a, const Person& b) { return fields(a) == fields(b); }

// What a field becomes in the file: '?' for a character outside the code page, codes above
// 170 dropped, and an over-long field (more than 32,767 bytes) lost.
QString kept(const QString& text) {
  if (text.size() > 32767) return {};
  QString out;
  for (QChar c : text) {
    const int code = ansi::codeOf(c);
    if (code < 0) out += QLatin1Char('?');
    else if (code <= 170) out += c;
  }
  return out;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qzfuzz::App();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = qzfuzz::Bytes(data, size);

  // Any bytes give a person; writing that person and reading it back gives the same person.
  const Person read = ReadingFile::FromBytes(bytes);
  for (const QString& f : fields(read)) QZ_CHECK(f.size() <= bytes.size());
  const QByteArray written = ReadingFile::ToBytes(read);
  QZ_CHECK(same(ReadingFile::FromBytes(written), read));
  QZ_CHECK(ReadingFile::UnsavableCharacters(read).isEmpty());

  // The same through a file on disk.
  const QString path = qzfuzz::Scratch(QStringLiteral("reading.num"));
  {
    QFile f(path);
    QZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QZ_CHECK(f.write(bytes) == bytes.size());
  }
  const std::optional<Person> fromDisk = ReadingFile::Read(path);
  QZ_CHECK(fromDisk.has_value() && same(*fromDisk, read));
  QZ_CHECK(ReadingFile::Write(path, read));
  const std::optional<Person> again = ReadingFile::Read(path);
  QZ_CHECK(again.has_value() && same(*again, read));

  // The bytes as typed text (six fields split from the input): the file keeps each field as
  // the code page and the codec allow, and says which characters it cannot hold.
  const QString text = QString::fromUtf8(bytes);
  const QList<QString> parts = text.split(QChar(0x1F));
  Person typed;
  QString* fieldSlots[] = {&typed.firstName, &typed.middleName, &typed.lastName,
                      &typed.monthName, &typed.day, &typed.year};
  for (int i = 0; i < 6 && i < parts.size(); ++i) *fieldSlots[i] = parts[i];
  const Person back = ReadingFile::FromBytes(ReadingFile::ToBytes(typed));
  const QList<QString> want = fields(typed);
  const QList<QString> got = fields(back);
  for (int i = 0; i < 6; ++i) QZ_CHECK(got[i] == kept(want[i]));
  if (ReadingFile::UnsavableCharacters(typed).isEmpty()) {
    bool shortFields = true;
    for (const QString& f : want) shortFields = shortFields && f.size() <= 32767;
    if (shortFields) QZ_CHECK(same(back, typed));
  }
  return 0;
}
