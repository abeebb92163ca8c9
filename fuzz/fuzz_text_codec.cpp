// The codec of settings and reading files: bytes and text forms, and the code page table.
#include "fuzz_support.h"
#include "services/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = qzfuzz::Bytes(data, size);

  // The code page table is one to one on every byte.
  const QString asText = ansi::toUnicode(bytes);
  QZ_CHECK(asText.size() == bytes.size());
  QZ_CHECK(ansi::fromUnicode(asText) == bytes);
  for (QChar c : asText) QZ_CHECK(ansi::codeOf(c) >= 0);

  // Byte forms never grow, and never leave 0..255.
  const QByteArray enc = EncodeBytes(bytes);
  const QByteArray dec = DecodeBytes(bytes);
  QZ_CHECK(enc.size() <= bytes.size() && dec.size() <= bytes.size());
  for (char b : enc) QZ_CHECK(static_cast<unsigned char>(b) >= 85);
  for (char b : dec) QZ_CHECK(static_cast<unsigned char>(b) <= 170);
  // What decodes comes back when encoded again, and codes 0..170 survive the round trip.
  if (bytes.size() <= 32767) {
    QZ_CHECK(EncodeBytes(dec).size() == dec.size());
    QZ_CHECK(EncodeBytes(DecodeBytes(enc)) == enc);
    QByteArray low;
    for (char b : bytes) low += static_cast<char>(static_cast<unsigned char>(b) % 171);
    QZ_CHECK(DecodeBytes(EncodeBytes(low)) == low);
    const QString lowText = ansi::toUnicode(low);
    QZ_CHECK(DecodeText(EncodeText(lowText)) == lowText);
    QZ_CHECK(CharactersLostByEncoding(lowText).isEmpty());
  }

  // Any text (the bytes as UTF-16): the lost characters are reported, the rest kept.
  QString text(reinterpret_cast<const QChar*>(data), qsizetype(size / 2));
  const QString encoded = EncodeText(text);
  const QString decoded = DecodeText(encoded);
  QZ_CHECK(encoded.size() <= text.size());
  const QString lost = CharactersLostByEncoding(text);
  if (text.size() <= 32767) {
    if (lost.isEmpty()) QZ_CHECK(decoded == text);
    QString kept;
    for (QChar c : text) {
      const int code = ansi::codeOf(c);
      if (code < 0) kept += QLatin1Char('?');
      else if (code <= 170) kept += c;
      else QZ_CHECK(lost.contains(c));
    }
    QZ_CHECK(decoded == kept);
  } else {
    QZ_CHECK(encoded.isEmpty());
  }
  QZ_CHECK(DecodeText(text).size() <= text.size());
  return 0;
}
