#include <gtest/gtest.h>

#include "services/text_codec.h"

namespace {
QByteArray bytes(std::initializer_list<int> codes) {
  QByteArray b;
  for (int c : codes) b.append(static_cast<char>(c));
  return b;
}
}  // namespace

TEST(TextCodec, ShiftsEachCodeBy85) {
  EXPECT_EQ(EncodeBytes("abc"), bytes({182, 183, 184}));
  EXPECT_EQ(ansi::fromUnicode(EncodeText(QStringLiteral("abc"))), bytes({182, 183, 184}));
  EXPECT_EQ(DecodeText(EncodeText(QStringLiteral("abc"))), QStringLiteral("abc"));
}

TEST(TextCodec, RoundTripsEveryCodeUpTo170WithNoLineBreak) {
  QByteArray all;
  for (int k = 0; k <= 170; ++k) all.append(static_cast<char>(k));
  const QByteArray encoded = EncodeBytes(all);
  ASSERT_EQ(encoded.size(), all.size());
  for (char b : encoded) EXPECT_GE(static_cast<unsigned char>(b), 85);
  EXPECT_EQ(DecodeBytes(encoded), all);
  // The same through the text forms: the undefined Windows-1252 bytes survive.
  const QString text = ansi::toUnicode(all);
  EXPECT_EQ(DecodeText(EncodeText(text)), text);
}

TEST(TextCodec, DropsCharactersThatLeaveTheCodePage) {
  // e-acute is 233: 233 + 85 > 255, so it disappears and the rest keeps its order.
  EXPECT_EQ(DecodeText(EncodeText(QStringLiteral("Ren\u00e9e"))), QStringLiteral("Rene"));
  // Plain text decoded: codes below 85 (digits, blanks, A to T) are dropped, others shift down.
  EXPECT_EQ(DecodeBytes("AZ 1"), bytes({'Z' - 85}));
  // A character outside Windows-1252 becomes "?" first.
  EXPECT_EQ(ansi::fromUnicode(QStringLiteral("\u03a9")), QByteArray("?"));
  EXPECT_EQ(EncodeBytes(ansi::fromUnicode(QStringLiteral("\u03a9"))), bytes({'?' + 85}));
}

TEST(TextCodec, MapsUndefinedBytesToC1Controls) {
  // "H" (72) lands on 0x9D, "8" on 0x8D, "," on 0x81, ":" on 0x8F, ";" on 0x90.
  const QString encoded = EncodeText(QStringLiteral("H8,:;"));
  ASSERT_EQ(encoded.size(), 5);
  EXPECT_EQ(encoded[0].unicode(), 0x9D);
  EXPECT_EQ(encoded[1].unicode(), 0x8D);
  EXPECT_EQ(encoded[2].unicode(), 0x81);
  EXPECT_EQ(encoded[3].unicode(), 0x8F);
  EXPECT_EQ(encoded[4].unicode(), 0x90);
  // Defined bytes map to their Windows-1252 characters, not Latin-1: "D" + 85 = 0x99 is the trade mark sign.
  EXPECT_EQ(EncodeText(QStringLiteral("D"))[0].unicode(), 0x2122);
  EXPECT_EQ(ansi::fromUnicode(QString(QChar(0x2122))), bytes({0x99}));
}

TEST(TextCodec, EmptyAndOverLongTexts) {
  EXPECT_TRUE(EncodeText(QString()).isEmpty());
  EXPECT_TRUE(DecodeText(QString()).isEmpty());
  const QString longText(32768, QLatin1Char('a'));
  EXPECT_TRUE(EncodeText(longText).isEmpty());
  EXPECT_TRUE(DecodeText(longText).isEmpty());
  EXPECT_TRUE(EncodeBytes(QByteArray(40000, 'a')).isEmpty());
  EXPECT_EQ(EncodeText(QString(32767, QLatin1Char('a'))).size(), 32767);
}

TEST(TextCodec, CharactersLostAreWholeCharacters) {
  const QChar lone[] = {QChar(0xD83D), QChar('A')};
  const struct {
    QString text;
    QString lost;
  } cases[] = {
      {QString::fromUtf8("Иван😀"), QString::fromUtf8("Иван😀")},
      // Two characters sharing their first UTF-16 unit, one of them twice.
      {QString::fromUtf8("A😀B😁😀"), QString::fromUtf8("😀😁")},
      {QString::fromUtf8("𝔄nn«"), QString::fromUtf8("𝔄«")},
      // A first unit without its second counts as the replacement character.
      {QString(lone, 2), QString(QChar::ReplacementCharacter)},
      // No byte order mark is taken for one and dropped.
      {QString(QChar(0xFEFF)) + QStringLiteral("A"), QString(QChar(0xFEFF))},
      {QStringLiteral("JOHN"), QString()},
  };
  for (const auto& c : cases) EXPECT_EQ(CharactersLostByEncoding(c.text), c.lost) << c.text.toStdString();
}
