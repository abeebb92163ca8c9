// Paints the tool's pictures: nine planets and the twelve signs of the zodiac, as JPEG
// files in the folder given on the command line.
//   namebirth_pictures <folder>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTextStream>
#include <cmath>
#include <functional>

namespace {
constexpr int kWidth = 255;
constexpr int kHeight = 321;

void paintSky(QPainter& p, QColor top, QColor bottom, quint32 seed) {
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0, top);
  sky.setColorAt(1, bottom);
  p.fillRect(0, 0, kWidth, kHeight, sky);
  QRandomGenerator random(seed);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 140; ++i) {
    const double x = random.bounded(double(kWidth));
    const double y = random.bounded(double(kHeight));
    const double r = 0.3 + random.bounded(1.0) * random.bounded(1.2);
    const int a = 90 + random.bounded(165);
    p.setBrush(QColor(255, 255, 240, a));
    p.drawEllipse(QPointF(x, y), r, r);
  }
}

void paintCaption(QPainter& p, const QString& text, QColor color, int top, int pointSize) {
  QFont font(QStringLiteral("DejaVu Serif"), pointSize, QFont::Bold);
  font.setLetterSpacing(QFont::PercentageSpacing, 108);
  p.setFont(font);
  const QRect box(0, top, kWidth, kHeight - top - 6);
  p.setPen(QColor(0, 0, 0, 170));
  p.drawText(box.translated(1, 2), Qt::AlignHCenter | Qt::AlignTop, text);
  p.setPen(color);
  p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
}

// A sphere lit from the upper left: the surface, its features, then the shading.
void paintSphere(QPainter& p, QPointF c, double r, QColor base, const std::function<void(QPainter&)>& features,
                 QColor glow = QColor()) {
  if (glow.isValid()) {
    QRadialGradient halo(c, r * 1.35);
    QColor inner = glow;
    inner.setAlpha(120);
    QColor outer = glow;
    outer.setAlpha(0);
    halo.setColorAt(0.70, inner);
    halo.setColorAt(1.0, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, r * 1.35, r * 1.35);
  }
  QPainterPath disc;
  disc.addEllipse(c, r, r);
  p.save();
  p.setClipPath(disc);
  p.fillPath(disc, base);
  features(p);
  const QPointF light(c.x() - r * 0.38, c.y() - r * 0.42);
  QRadialGradient shade(c, r * 1.05, light);
  shade.setColorAt(0.0, QColor(255, 255, 255, 95));
  shade.setColorAt(0.35, QColor(255, 255, 255, 0));
  shade.setColorAt(0.75, QColor(0, 0, 0, 90));
  shade.setColorAt(1.0, QColor(0, 0, 0, 225));
  p.fillPath(disc, shade);
  p.restore();
}

void paintCraters(QPainter& p, QPointF c, double r, quint32 seed, int count, QColor dark, QColor rim) {
  QRandomGenerator random(seed);
  for (int i = 0; i < count; ++i) {
    const double angle = random.bounded(2 * M_PI);
    const double dist = std::sqrt(random.bounded(1.0)) * r * 0.9;
    const double size = r * (0.04 + random.bounded(0.11));
    const QPointF at(c.x() + std::cos(angle) * dist, c.y() + std::sin(angle) * dist);
    p.setPen(QPen(rim, 1.2));
    p.setBrush(dark);
    p.drawEllipse(at, size, size * 0.85);
  }
}

void paintBands(QPainter& p, QPointF c, double r, const QList<QPair<double, QColor>>& bands, double wave) {
  // Bands from top to bottom: each entry is the band's lower edge (0..1 of the disc) and colour.
  double from = 0;
  for (const auto& [to, color] : bands) {
    QPainterPath band;
    const double y0 = c.y() - r + from * 2 * r;
    const double y1 = c.y() - r + to * 2 * r;
    band.moveTo(c.x() - r, y0);
    for (int i = 0; i <= 20; ++i) {
      const double x = c.x() - r + i * (2 * r / 20);
      band.lineTo(x, y0 + std::sin(i * 0.9 + from * 11) * wave);
    }
    for (int i = 20; i >= 0; --i) {
      const double x = c.x() - r + i * (2 * r / 20);
      band.lineTo(x, y1 + std::sin(i * 0.9 + to * 11) * wave);
    }
    band.closeSubpath();
    p.fillPath(band, color);
    from = to;
  }
}

void paintRing(QPainter& p, QPointF c, double rx, double ry, double tiltDeg, bool front, QColor color, double width) {
  // Concentric bands with a dark gap between the outer two; the back half is drawn
  // before the sphere and the front half after it.
  p.save();
  p.translate(c);
  p.rotate(tiltDeg);
  const double scales[] = {1.0, 0.86, 0.74};
  const int alphas[] = {color.alpha(), color.alpha() - 30, color.alpha() - 70};
  for (int band = 0; band < 3; ++band) {
    const double s = scales[band];
    const QRectF ellipse(-rx * s, -ry * s, 2 * rx * s, 2 * ry * s);
    QPainterPath half;
    half.arcMoveTo(ellipse, front ? 180 : 0);
    half.arcTo(ellipse, front ? 180 : 0, 180);
    QColor shade = band == 1 ? color.darker(115) : color;
    shade.setAlpha(std::max(40, alphas[band]));
    QPen pen(shade, width * (band == 0 ? 0.55 : 0.8));
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(half);
  }
  p.restore();
}

QImage planet(const QString& name) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  paintSky(p, QColor(4, 6, 22), QColor(18, 12, 40), qHash(name));
  const QPointF c(kWidth / 2.0, 138);
  const double r = 86;

  if (name == QLatin1String("Sun")) {
    QRandomGenerator random(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 36; ++i) {  // corona rays
      const double a = i * M_PI / 18 + random.bounded(0.08);
      const double len = r * (1.25 + random.bounded(0.35));
      QPainterPath ray;
      ray.moveTo(c.x() + std::cos(a - 0.05) * r, c.y() + std::sin(a - 0.05) * r);
      ray.lineTo(c.x() + std::cos(a) * len, c.y() + std::sin(a) * len);
      ray.lineTo(c.x() + std::cos(a + 0.05) * r, c.y() + std::sin(a + 0.05) * r);
      p.fillPath(ray, QColor(255, 190, 60, 110));
    }
    paintSphere(p, c, r, QColor(255, 170, 20), [&](QPainter& q) {
      QRadialGradient core(c, r);
      core.setColorAt(0, QColor(255, 250, 200));
      core.setColorAt(0.6, QColor(255, 200, 50));
      core.setColorAt(1, QColor(230, 90, 10));
      q.fillRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), core);
      QRandomGenerator grain(11);
      q.setPen(Qt::NoPen);
      for (int i = 0; i < 260; ++i) {
        const QPointF at(c.x() - r + grain.bounded(2 * r), c.y() - r + grain.bounded(2 * r));
        q.setBrush(QColor(255, 240, 160, 40 + grain.bounded(50)));
        q.drawEllipse(at, 2.5, 2.0);
      }
      q.setBrush(QColor(120, 40, 0, 170));
      q.drawEllipse(QPointF(c.x() + 24, c.y() + 10), 7, 5);
      q.drawEllipse(QPointF(c.x() + 36, c.y() + 16), 4, 3);
      q.drawEllipse(QPointF(c.x() - 30, c.y() - 22), 5, 4);
    }, QColor(255, 160, 40));
    paintCaption(p, name, QColor(255, 225, 140), 262, 20);
    return image;
  }

  if (name == QLatin1String("Saturn")) {
    paintRing(p, c, r * 1.75, r * 0.42, -14, false, QColor(214, 190, 140, 220), 16);
    paintSphere(p, c, r * 0.78, QColor(222, 196, 140), [&](QPainter& q) {
      paintBands(q, c, r * 0.78,
                 {{0.22, QColor(200, 170, 115)}, {0.38, QColor(232, 210, 160)}, {0.5, QColor(205, 175, 120)},
                  {0.64, QColor(236, 214, 168)}, {0.8, QColor(196, 164, 110)}, {1.0, QColor(214, 186, 130)}},
                 1.5);
    });
    paintRing(p, c, r * 1.75, r * 0.42, -14, true, QColor(230, 208, 160, 235), 16);
    paintCaption(p, name, QColor(240, 220, 170), 262, 20);
    return image;
  }

  if (name == QLatin1String("Uranus")) {
    paintRing(p, c, r * 0.36, r * 1.3, -8, false, QColor(190, 230, 235, 120), 4);
    paintSphere(p, c, r * 0.9, QColor(150, 215, 220), [&](QPainter& q) {
      paintBands(q, c, r * 0.9,
                 {{0.3, QColor(160, 222, 226)}, {0.55, QColor(142, 208, 214)}, {0.8, QColor(156, 218, 222)},
                  {1.0, QColor(132, 198, 206)}},
                 0.8);
    }, QColor(120, 220, 230));
    paintRing(p, c, r * 0.36, r * 1.3, -8, true, QColor(200, 240, 245, 150), 4);
    paintCaption(p, name, QColor(190, 240, 245), 262, 20);
    return image;
  }

  QColor base;
  QColor caption;
  QColor glow;
  std::function<void(QPainter&)> features = [](QPainter&) {};
  if (name == QLatin1String("Moon")) {
    base = QColor(196, 196, 190);
    caption = QColor(230, 230, 225);
    glow = QColor(200, 210, 255);
    features = [&](QPainter& q) {
      q.setPen(Qt::NoPen);
      q.setBrush(QColor(150, 150, 148, 200));  // the seas
      q.drawEllipse(QPointF(c.x() - 25, c.y() - 20), 30, 24);
      q.drawEllipse(QPointF(c.x() + 18, c.y() - 30), 20, 16);
      q.drawEllipse(QPointF(c.x() + 10, c.y() + 20), 26, 18);
      paintCraters(q, c, r, 3, 28, QColor(165, 165, 160), QColor(225, 225, 220));
    };
  } else if (name == QLatin1String("Mercury")) {
    base = QColor(150, 138, 126);
    caption = QColor(220, 210, 200);
    features = [&](QPainter& q) { paintCraters(q, c, r, 5, 45, QColor(118, 108, 98), QColor(185, 175, 165)); };
  } else if (name == QLatin1String("Venus")) {
    base = QColor(236, 206, 140);
    caption = QColor(250, 230, 170);
    glow = QColor(255, 220, 150);
    features = [&](QPainter& q) {
      paintBands(q, c, r,
                 {{0.18, QColor(240, 216, 160)}, {0.34, QColor(226, 190, 122)}, {0.5, QColor(244, 222, 170)},
                  {0.66, QColor(222, 186, 118)}, {0.82, QColor(240, 214, 156)}, {1.0, QColor(228, 196, 130)}},
                 6);
    };
  } else if (name == QLatin1String("Jupiter")) {
    base = QColor(214, 180, 140);
    caption = QColor(245, 215, 170);
    features = [&](QPainter& q) {
      paintBands(q, c, r,
                 {{0.12, QColor(170, 140, 110)}, {0.24, QColor(232, 214, 186)}, {0.36, QColor(176, 120, 80)},
                  {0.46, QColor(238, 222, 196)}, {0.58, QColor(190, 136, 92)}, {0.7, QColor(230, 210, 176)},
                  {0.8, QColor(184, 146, 108)}, {0.9, QColor(226, 204, 170)}, {1.0, QColor(160, 130, 100)}},
                 2.5);
      q.setPen(QPen(QColor(160, 70, 40), 2));
      q.setBrush(QColor(196, 92, 56));  // the great red spot
      q.drawEllipse(QPointF(c.x() + 26, c.y() + 30), 17, 10);
    };
  } else if (name == QLatin1String("Neptune")) {
    base = QColor(52, 92, 200);
    caption = QColor(150, 190, 255);
    glow = QColor(80, 130, 255);
    features = [&](QPainter& q) {
      paintBands(q, c, r,
                 {{0.2, QColor(60, 100, 210)}, {0.4, QColor(46, 82, 186)}, {0.62, QColor(64, 108, 216)},
                  {0.8, QColor(44, 78, 176)}, {1.0, QColor(56, 96, 200)}},
                 2);
      q.setPen(Qt::NoPen);
      q.setBrush(QColor(20, 40, 110, 220));  // the dark spot
      q.drawEllipse(QPointF(c.x() - 20, c.y() + 12), 16, 9);
      q.setBrush(QColor(230, 240, 255, 200));  // bright clouds
      q.drawEllipse(QPointF(c.x() - 14, c.y() + 26), 10, 2.5);
      q.drawEllipse(QPointF(c.x() + 30, c.y() - 24), 14, 2.5);
    };
  } else if (name == QLatin1String("Mars")) {
    base = QColor(196, 92, 52);
    caption = QColor(250, 170, 130);
    glow = QColor(240, 120, 80);
    features = [&](QPainter& q) {
      q.setPen(Qt::NoPen);
      q.setBrush(QColor(140, 58, 32, 200));  // dark plains
      q.drawEllipse(QPointF(c.x() - 10, c.y() + 6), 40, 16);
      q.drawEllipse(QPointF(c.x() + 30, c.y() - 18), 22, 12);
      q.drawEllipse(QPointF(c.x() - 40, c.y() - 30), 16, 10);
      q.setBrush(QColor(170, 70, 40, 160));  // the great canyon
      q.drawRoundedRect(QRectF(c.x() - 30, c.y() + 26, 60, 6), 3, 3);
      q.setBrush(QColor(250, 250, 250, 235));  // polar cap
      q.drawEllipse(QPointF(c.x() - 5, c.y() - r + 6), 30, 14);
      paintCraters(q, c, r, 9, 12, QColor(170, 76, 42), QColor(214, 120, 80));
    };
  }
  paintSphere(p, c, r, base, features, glow);
  paintCaption(p, name, caption, 262, 20);
  return image;
}

struct Sign {
  QString name;
  QString file;
  char16_t glyph;
  QString dates;
  QColor color;  // the element's colour
};

QImage sign(const Sign& s) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  paintSky(p, QColor(14, 8, 40), QColor(40, 16, 62), qHash(s.name));
  const QPointF c(kWidth / 2.0, 132);
  const double r = 92;

  // A medallion: glow, disc, ring with twelve marks.
  QRadialGradient disc(c, r);
  QColor inner = s.color.darker(260);
  disc.setColorAt(0, inner.lighter(160));
  disc.setColorAt(0.85, inner);
  disc.setColorAt(1.0, inner.darker(150));
  p.setPen(Qt::NoPen);
  QRadialGradient halo(c, r * 1.3);
  QColor haloColor = s.color;
  haloColor.setAlpha(90);
  halo.setColorAt(0.7, haloColor);
  haloColor.setAlpha(0);
  halo.setColorAt(1.0, haloColor);
  p.setBrush(halo);
  p.drawEllipse(c, r * 1.3, r * 1.3);
  p.setBrush(disc);
  p.drawEllipse(c, r, r);
  p.setPen(QPen(s.color.lighter(130), 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r - 2, r - 2);
  p.setPen(QPen(s.color, 1.2));
  p.drawEllipse(c, r - 12, r - 12);
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    p.drawLine(QPointF(c.x() + std::cos(a) * (r - 12), c.y() + std::sin(a) * (r - 12)),
               QPointF(c.x() + std::cos(a) * (r - 2), c.y() + std::sin(a) * (r - 2)));
  }

  // The glyph, as an outline filled with a gradient of the element's colour.
  QFont font(QStringLiteral("DejaVu Sans"), 10);
  font.setPixelSize(104);
  QPainterPath glyph;
  glyph.addText(0, 0, font, QString(QChar(s.glyph)));
  const QRectF bounds = glyph.boundingRect();
  glyph.translate(c.x() - bounds.center().x(), c.y() - bounds.center().y());
  QLinearGradient fill(0, c.y() - 50, 0, c.y() + 50);
  fill.setColorAt(0, s.color.lighter(175));
  fill.setColorAt(1, s.color);
  p.setPen(Qt::NoPen);
  p.fillPath(glyph.translated(2, 3), QColor(0, 0, 0, 150));
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
  p.setBrush(fill);
  p.drawPath(glyph);

  paintCaption(p, s.name, s.color.lighter(150), 240, 17);
  QFont small(QStringLiteral("DejaVu Sans"), 10);
  p.setFont(small);
  p.setPen(QColor(225, 220, 240));
  p.drawText(QRect(0, 274, kWidth, 24), Qt::AlignHCenter | Qt::AlignVCenter, s.dates);
  return image;
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream err(stderr);
  if (argc < 2) {
    err << "usage: namebirth_pictures <folder>\n";
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    err << "cannot create " << folder.path() << "\n";
    return 1;
  }

  const QList<QPair<QString, QString>> planets{
      {QStringLiteral("Sun"), QStringLiteral("sun.jpg")},         {QStringLiteral("Moon"), QStringLiteral("moon.jpg")},
      {QStringLiteral("Jupiter"), QStringLiteral("jupiter.jpg")}, {QStringLiteral("Uranus"), QStringLiteral("uranus.jpg")},
      {QStringLiteral("Mercury"), QStringLiteral("mercury.jpg")}, {QStringLiteral("Venus"), QStringLiteral("venus.jpg")},
      {QStringLiteral("Neptune"), QStringLiteral("Neptune.jpg")}, {QStringLiteral("Saturn"), QStringLiteral("saturn.jpg")},
      {QStringLiteral("Mars"), QStringLiteral("Mars.jpg")},
  };
  const QColor fire(240, 110, 50), earth(110, 190, 90), air(240, 210, 90), water(80, 160, 240);
  const QList<Sign> signs{
      {QStringLiteral("Aries"), QStringLiteral("aries.jpg"), u'\u2648', QStringLiteral("March 21 - April 19"), fire},
      {QStringLiteral("Taurus"), QStringLiteral("taurus.jpg"), u'\u2649', QStringLiteral("April 20 - May 19"), earth},
      {QStringLiteral("Gemini"), QStringLiteral("gemini.jpg"), u'\u264A', QStringLiteral("May 20 - June 20"), air},
      {QStringLiteral("Cancer"), QStringLiteral("cancer.jpg"), u'\u264B', QStringLiteral("June 21 - July 22"), water},
      {QStringLiteral("Leo"), QStringLiteral("leo.jpg"), u'\u264C', QStringLiteral("July 23 - August 21"), fire},
      {QStringLiteral("Virgo"), QStringLiteral("virgo.jpg"), u'\u264D', QStringLiteral("August 22 - September 22"), earth},
      {QStringLiteral("Libra"), QStringLiteral("libra.jpg"), u'\u264E', QStringLiteral("September 23 - October 22"), air},
      {QStringLiteral("Scorpio"), QStringLiteral("scorpio.jpg"), u'\u264F', QStringLiteral("October 23 - November 21"), water},
      {QStringLiteral("Sagittarius"), QStringLiteral("sagittarius.jpg"), u'\u2650', QStringLiteral("November 22 - December 21"), fire},
      {QStringLiteral("Capricorn"), QStringLiteral("capricorn.jpg"), u'\u2651', QStringLiteral("December 22 - January 20"), earth},
      {QStringLiteral("Aquarius"), QStringLiteral("aquarius.jpg"), u'\u2652', QStringLiteral("January 21 - February 19"), air},
      {QStringLiteral("Pisces"), QStringLiteral("pisces.jpg"), u'\u2653', QStringLiteral("February 20 - March 20"), water},
  };

  int failures = 0;
  auto save = [&](const QImage& image, const QString& file) {
    if (!image.save(folder.filePath(file), "JPG", 92)) {
      err << "cannot write " << folder.filePath(file) << "\n";
      ++failures;
    }
  };
  for (const auto& [name, file] : planets) save(planet(name), file);
  for (const Sign& s : signs) save(sign(s), s.file);
  return failures == 0 ? 0 : 1;
}
