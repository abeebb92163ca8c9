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
