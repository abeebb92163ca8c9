#include "services/text_codec.h"

#include <QList>

#include <array>

namespace {
constexpr int kShift = 85;
constexpr int kMaxLength = 32767;

// Windows-1252 bytes 0x80..0x9F; the undefined ones map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t unicodeOf(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F) return kHigh[b - 0x80];
  return b;
}
}  // namespace

namespace ansi {
int codeOf(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == u) return 0x80 + i;
  return -1;
}

QByteArray fromUnicode(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (QChar c : text) {
    const int code = codeOf(c);
    out.append(code < 0 ? '?' : static_cast<char>(code));
  }
  return out;
}

QString toUnicode(const QByteArray& bytes) {
  QString out;
  out.reserve(bytes.size());
  for (char b : bytes) out.append(QChar(unicodeOf(static_cast<unsigned char>(b))));
  return out;
}
}  // namespace ansi

namespace {
QByteArray shiftBytes(const QByteArray& bytes, int shift) {
  if (bytes.size() > kMaxLength) return {};
  QByteArray out;
  out.reserve(bytes.size());
  for (char b : bytes) {
    const int k = static_cast<unsigned char>(b) + shift;
    if (k >= 0 && k <= 255) out.append(static_cast<char>(k));
  }
  return out;
}
}  // namespace

QByteArray EncodeBytes(const QByteArray& bytes) { return shiftBytes(bytes, kShift); }
QByteArray DecodeBytes(const QByteArray& bytes) { return shiftBytes(bytes, -kShift); }

QString EncodeText(const QString& text) {
  if (text.size() > kMaxLength) return {};
  return ansi::toUnicode(EncodeBytes(ansi::fromUnicode(text)));
}

QString DecodeText(const QString& text) {
  if (text.size() > kMaxLength) return {};
  return ansi::toUnicode(DecodeBytes(ansi::fromUnicode(text)));
}

QList<char32_t> CodePoints(const QString& text) {
  // By hand: QString::toUcs4 drops a U+FEFF at the start as a byte order mark.
  QList<char32_t> points;
  points.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      points.append(QChar::surrogateToUcs4(c, text.at(++i)));
    } else {
      points.append(c.isSurrogate() ? char32_t(QChar::ReplacementCharacter) : char32_t(c.unicode()));
    }
  }
  return points;
}

QString CharacterText(char32_t c) {
  if (!QChar::requiresSurrogates(c)) return QString(QChar(char16_t(c)));
  const QChar pair[] = {QChar(QChar::highSurrogate(c)), QChar(QChar::lowSurrogate(c))};
  return QString(pair, 2);
}

QString CharactersLostByEncoding(const QString& text) {
  // Whole characters: one outside the basic plane is two UTF-16 units, neither of which the
  // code page holds. An unpaired unit counts as U+FFFD.
  QList<char32_t> lost;
  for (const char32_t c : CodePoints(text)) {
    const int code = c > 0xFFFF ? -1 : ansi::codeOf(QChar(c));
    if ((code < 0 || code + kShift > 255) && !lost.contains(c)) lost.append(c);
  }
  QString out;
  for (const char32_t c : lost) out += CharacterText(c);
  return out;
}
