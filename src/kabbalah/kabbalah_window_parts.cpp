#include "kabbalah/kabbalah_window_parts.h"

#include <QMainWindow>
#include <QVBoxLayout>

#include "shell/common_menu.h"
#include "ui/controls.h"

#include <QKeyEvent>

namespace kabbalah {
QVBoxLayout* BannerColumn(QMainWindow* window) {
  auto* central = new QWidget(window);
  auto* outer = new QVBoxLayout(central);
  outer->setSizeConstraint(QLayout::SetFixedSize);
  outer->setSpacing(8);
  auto* Frame2 = new ui::Frame(QString(), central);
  Frame2->setObjectName(QStringLiteral("Frame2"));
  auto* bannerLayout = new QVBoxLayout(Frame2);
  bannerLayout->addWidget(shell::ForumBanner(Frame2, QStringLiteral("Label61"), true));
  outer->addWidget(Frame2);
  return outer;
}

char32_t TypedCharacter(const QKeyEvent* event) {
  const int key = event->key();
  const Qt::KeyboardModifiers mods = event->modifiers();
  switch (key) {
    case Qt::Key_Backspace: return kBackspaceChar;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kReturnChar;
    case Qt::Key_Escape: return U'\x1b';
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return 0;
    default: break;
  }
  if (mods & (Qt::AltModifier | Qt::MetaModifier)) return 0;
  if (mods & Qt::ControlModifier) {
    // Ctrl with A to Z and [ \ ] types the control characters U+0001 to U+001D.
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return char32_t(key - Qt::Key_A + 1);
    if (key == Qt::Key_BracketLeft) return U'\x1b';
    if (key == Qt::Key_Backslash) return U'\x1c';
    if (key == Qt::Key_BracketRight) return U'\x1d';
    return 0;
  }
  const QString text = event->text();
  if (text.isEmpty()) return 0;
  const char16_t c = text.at(0).unicode();
  if (c == 0x7f) return 0;  // Delete on X11
  return c;
}

QString ToBoxText(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QString FromBoxText(QString text) {
  text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  return text;
}
}  // namespace kabbalah
