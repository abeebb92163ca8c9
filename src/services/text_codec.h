#pragma once
// Text codec for settings and saved reading files: each character's Windows-1252 code
// shifted by 85. Work is done on bytes; the QString forms map bytes through our own
// Windows-1252 table, so encoded text never meets a locale converter.
#include <QByteArray>
#include <QList>
#include <QString>

namespace ansi {
// Windows-1252 bytes of a text; characters outside the code page become '?'.
QByteArray fromUnicode(const QString& text);
// Text of Windows-1252 bytes; the five undefined bytes map to U+0081, U+008D, U+008F, U+0090, U+009D.
QString toUnicode(const QByteArray& bytes);
// The code page's byte for one character, or -1 when it has none.
int codeOf(QChar c);
}

// Byte forms: shift every byte by +85 (encode) or -85 (decode), dropping those that leave 0..255.
QByteArray EncodeBytes(const QByteArray& bytes);
QByteArray DecodeBytes(const QByteArray& bytes);

// The distinct characters of a text that EncodeText cannot keep (codes 171 to 255 are
// dropped, characters outside Windows-1252 become "?"), whole code points in the order they
// first appear.
QString CharactersLostByEncoding(const QString& text);

// The text's characters as code points; a UTF-16 unit without its pair counts as U+FFFD.
QList<char32_t> CodePoints(const QString& text);
// One character as text (two UTF-16 units outside the basic plane).
QString CharacterText(char32_t c);

// Text forms. A text of more than 32,767 characters gives the empty string.
QString EncodeText(const QString& text);
QString DecodeText(const QString& text);
