// The Chinese reading file (*.cnu) and the first field read from a saved file.
#include <QFile>

#include "chinese/core/chinese_reading.h"
#include "fuzz_support.h"
#include "services/text_codec.h"

using chinese::ChineseReadingFile;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qzfuzz::App();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = qzfuzz::Bytes(data, size);

  const ChineseReadingFile read = chinese::DecodeChineseReading(bytes);
  QZ_CHECK(chinese::DecodeChineseReading(chinese::EncodeChineseReading(read)) == read);
  for (const QString* f : {&read.personName, &read.birthDay, &read.birthMonth, &read.birthYear})
    QZ_CHECK(chinese::UnsavableCharacters(*f).isEmpty());

  const QString first = chinese::FirstFieldOf(bytes);
  QZ_CHECK(first.size() <= bytes.size());

  const QString path = qzfuzz::Scratch(QStringLiteral("reading.cnu"));
  {
    QFile f(path);
    QZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QZ_CHECK(f.write(bytes) == bytes.size());
  }
  const std::optional<ChineseReadingFile> fromDisk = chinese::ReadChineseReadingFile(path);
  QZ_CHECK(fromDisk.has_value() && *fromDisk == read);
  const std::optional<QString> firstFromDisk = chinese::ReadFirstField(path);
  QZ_CHECK(bytes.isEmpty() ? !firstFromDisk.has_value() : (firstFromDisk.has_value() && *firstFromDisk == first));

  QZ_CHECK(chinese::WriteChineseReadingFile(path, read));
  const std::optional<ChineseReadingFile> again = chinese::ReadChineseReadingFile(path);
  QZ_CHECK(again.has_value() && *again == read);
  // The name is the first field of a written file (encoded bytes hold no comma, quote or blank).
  QZ_CHECK(chinese::ReadFirstField(path) == read.personName);
  return 0;
}
