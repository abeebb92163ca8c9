#pragma once
// Pieces shared by the Kabbalah windows.
#include <QString>

class QKeyEvent;
class QMainWindow;
class QVBoxLayout;

namespace kabbalah {
inline const QString kWindowCaption = QStringLiteral("QZ Kabbalah Numerology");

// The character code a key press types, in the manner of KeyPress: control keys give their
// control codes (Ctrl+V is 22, Esc 27, Enter 13, Backspace 8); keys that type no character
// (arrows, Delete, Tab, function keys, Alt combinations) give 0.
int KeyAscii(const QKeyEvent* event);

// The window's central widget with its fixed-size column, the forum banner frame "Frame2"
// (with "Label61") at the top; returns the column for the rest of the controls.
QVBoxLayout* BannerColumn(QMainWindow* window);

// Text with CR LF line breaks shown in a plain text box, and back.
QString ToBoxText(QString text);
QString FromBoxText(QString text);
}  // namespace kabbalah
