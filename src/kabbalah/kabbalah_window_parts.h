#pragma once
// Pieces shared by the Kabbalah windows.
#include <QString>

class QKeyEvent;
class QMainWindow;
class QVBoxLayout;

namespace kabbalah {
inline const QString kWindowCaption = QStringLiteral("QZ Kabbalah Numerology");

// Return and Backspace as the characters a key press types.
inline constexpr char32_t kReturnChar = U'\r';
inline constexpr char32_t kBackspaceChar = U'\b';

// The character a key press types, control keys as their control characters (Ctrl+V is
// U+0016, Esc U+001B, Return kReturnChar, Backspace kBackspaceChar); 0 for keys that type no
// character (arrows, Delete, Tab, function keys, Alt or Meta combinations).
char32_t TypedCharacter(const QKeyEvent* event);

// The window's central widget with its fixed-size column, the forum banner frame "Frame2"
// (with "Label61") at the top; returns the column for the rest of the controls.
QVBoxLayout* BannerColumn(QMainWindow* window);

// Text with CR LF line breaks shown in a plain text box, and back.
QString ToBoxText(QString text);
QString FromBoxText(QString text);
}  // namespace kabbalah
