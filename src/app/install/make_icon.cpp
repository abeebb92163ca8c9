// Writes the suite's icon as a PNG file for the desktop entry.
#include <QGuiApplication>

#include "ui/app_icon.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) return 2;
  return ui::AppIconPixmap(128).save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
