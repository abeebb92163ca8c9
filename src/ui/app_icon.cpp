#include "ui/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace ui {
namespace {
// The Lo Shu square as nine dots on a disc.
void drawLoShu(QPainter& p, const QRectF& r, const QColor& dots) {
  p.setPen(Qt::NoPen);
  p.setBrush(dots);
  const double step = r.width() / 4;
  const double radius = r.width() / 14;
  for (int row = 1; row <= 3; ++row)
    for (int col = 1; col <= 3; ++col)
      p.drawEllipse(QPointF(r.left() + col * step, r.top() + row * step), radius, radius);
}

void drawTrigram(QPainter& p, const QRectF& r, const QColor& c) {
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  const double h = r.height() / 9;
  for (int i = 0; i < 3; ++i) {
    const double y = r.top() + r.height() * (0.25 + i * 0.22);
    if (i == 1) {
      p.drawRect(QRectF(r.left() + r.width() * 0.2, y, r.width() * 0.25, h));
      p.drawRect(QRectF(r.left() + r.width() * 0.55, y, r.width() * 0.25, h));
    } else {
      p.drawRect(QRectF(r.left() + r.width() * 0.2, y, r.width() * 0.6, h));
    }
  }
}

void drawStar(QPainter& p, const QRectF& r, const QColor& c, int points, double inner) {
  QPainterPath path;
  const QPointF centre = r.center();
  const double outer = r.width() * 0.36;
  for (int i = 0; i < points * 2; ++i) {
    const double angle = -M_PI / 2 + i * M_PI / points;
    const double radius = i % 2 == 0 ? outer : outer * inner;
    const QPointF pt(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    if (i == 0) path.moveTo(pt);
    else path.lineTo(pt);
  }
  path.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPath(path);
}

void drawBook(QPainter& p, const QRectF& r, const QColor& c) {
  p.setPen(QPen(c, r.width() / 20));
  p.setBrush(Qt::white);
  const QRectF left(r.left() + r.width() * 0.18, r.top() + r.height() * 0.28, r.width() * 0.32, r.height() * 0.44);
  const QRectF right(r.center().x(), left.top(), left.width(), left.height());
  p.drawRect(left);
  p.drawRect(right);
}

void drawSun(QPainter& p, const QRectF& r, const QColor& c) {
  p.setPen(QPen(c, r.width() / 16, Qt::SolidLine, Qt::RoundCap));
  const QPointF centre = r.center();
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4;
    p.drawLine(QPointF(centre.x() + r.width() * 0.22 * std::cos(a), centre.y() + r.width() * 0.22 * std::sin(a)),
               QPointF(centre.x() + r.width() * 0.34 * std::cos(a), centre.y() + r.width() * 0.34 * std::sin(a)));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawEllipse(centre, r.width() * 0.15, r.width() * 0.15);
}
}  // namespace

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
  const QRectF disc(1, 1, size - 2, size - 2);
  p.drawEllipse(disc);
  drawLoShu(p, disc, QColor(70, 20, 90));
  return pixmap;
}

QIcon AppIcon() {
  static const QIcon icon = [] {
    QIcon i;
    for (int s : {16, 32, 48, 64, 128}) i.addPixmap(AppIconPixmap(s));
    return i;
  }();
  return icon;
}

QPixmap ToolPicture(int index, int variant, int size) {
  static const QColor colours[] = {QColor(200, 30, 30), QColor(30, 110, 60), QColor(60, 60, 170),
                                   QColor(150, 90, 20), QColor(120, 30, 140), QColor(20, 120, 150)};
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor c = colours[index % 6];
  const QRectF r(2, 2, size - 4, size - 4);
  p.setBrush(variant == 0 ? c : c.lighter(170));
  p.setPen(QPen(c.darker(150), 2));
  if (variant == 0) p.drawEllipse(r);
  else p.drawRoundedRect(r, 6, 6);
  const QColor mark = variant == 0 ? QColor(Qt::white) : c.darker(200);
  switch (index % 6) {
    case 0: drawLoShu(p, r, mark); break;          // Chinese: the Lo Shu square
    case 1: drawTrigram(p, r, mark); break;        // I Ching: a trigram
    case 2: drawStar(p, r, mark, 6, 0.58); break;  // Kabbalah: a six-pointed star
    case 3: drawBook(p, r, mark); break;           // the dictionary
    case 4: drawStar(p, r, mark, 5, 0.45); break;  // the reading: a pentagram
    default: drawSun(p, r, mark); break;           // name and birth: the sun
  }
  return pixmap;
}
}  // namespace ui
