#pragma once
// Pieces shared by the Kabbalah windows.
#include <QString>

class QKeyEvent;

namespace kabbalah {
inline const QString kWindowCaption = QStringLiteral("QZ Kabbalah Numerology");

// The character code a key press types, in the manner of KeyPress: control keys give their
// control codes (Ctrl+V is 22, Esc 27, Enter 13, Backspace 8); keys that type no character
// (arrows, Delete, Tab, function keys, Alt combinations) give 0.
int KeyAscii(const QKeyEvent* event);

// Text with CR LF line breaks shown in a plain text box, and back.
QString ToBoxText(QString text);
QString FromBoxText(QString text);
}  // namespace kabbalah
