#pragma once
// Pieces shared by the Kabbalah windows.
#include <QString>

class QMainWindow;
class QVBoxLayout;

namespace kabbalah {
inline const QString kWindowCaption = QStringLiteral("QZ Kabbalah Numerology");

// Return and Backspace as the characters a key press types.
inline constexpr char32_t kReturnChar = U'\r';
inline constexpr char32_t kBackspaceChar = U'\b';

// The window's central widget with its fixed-size column, the forum banner frame "Frame2"
// (with "Label61") at the top; returns the column for the rest of the controls.
QVBoxLayout* BannerColumn(QMainWindow* window);

// Text with CR LF line breaks shown in a plain text box, and back.
QString ToBoxText(QString text);
QString FromBoxText(QString text);
}  // namespace kabbalah
