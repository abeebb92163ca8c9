#include "app_icon.h"

#include <QFont>
#include <QPainter>
#include <QRadialGradient>

namespace ui {
QPixmap AppIconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(size * 0.35, size * 0.3, size * 0.7);
  g.setColorAt(0, QColor(255, 236, 150));
  g.setColorAt(1, QColor(176, 112, 16));
  p.setBrush(g);
  p.setPen(QPen(QColor(110, 60, 0), size / 32.0 + 0.5));
  p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
  QFont f(QStringLiteral("DejaVu Serif"));
  f.setBold(true);
  f.setPixelSize(size * 5 / 8);
  p.setFont(f);
  p.setPen(QColor(70, 20, 90));
  p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("5"));
  return pixmap;
}

QIcon AppIcon() {
  QIcon icon;
  for (int s : {16, 32, 48, 64, 128}) icon.addPixmap(AppIconPixmap(s));
  return icon;
}

QPixmap ToolPicture(int index, int variant, int size) {
  static const QColor colours[] = {QColor(200, 30, 30), QColor(30, 110, 60), QColor(60, 60, 170),
                                   QColor(150, 90, 20), QColor(120, 30, 140), QColor(20, 120, 150)};
  static const char* glyphs[] = {"9", "\u2630", "\u05D0", "A", "7", "\u2609"};
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor c = colours[index % 6];
  p.setBrush(variant == 0 ? c : c.lighter(160));
  p.setPen(QPen(c.darker(150), 2));
  if (variant == 0) p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
  else p.drawRoundedRect(QRectF(2, 2, size - 4, size - 4), 6, 6);
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setBold(true);
  f.setPixelSize(size / 2);
  p.setFont(f);
  p.setPen(variant == 0 ? Qt::white : c.darker(200));
  p.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromUtf8(glyphs[index % 6]));
  return pixmap;
}
}  // namespace ui
