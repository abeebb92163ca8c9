// The floor for the start-up benchmark: a bare Qt program that shows one window with about
// as many widgets as the launcher (frames, labels, buttons, a menu bar).
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "bench/startup/startup_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
  window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
  auto* central = new QWidget(&window);
  window.setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(new QLabel(QStringLiteral("Banner"), central));
  layout->addWidget(new QLabel(QStringLiteral("Welcome"), central));
  auto* grid = new QGridLayout();
  for (int i = 0; i < 6; ++i) {
    auto* frame = new QGroupBox(QStringLiteral("Tool %1").arg(i), central);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(new QLabel(QStringLiteral("*"), frame));
    row->addWidget(new QPushButton(QStringLiteral("Tool %1").arg(i), frame));
    row->addWidget(new QLabel(QStringLiteral("*"), frame));
    grid->addWidget(frame, i / 2, i % 2);
  }
  layout->addLayout(grid);
  auto* bottom = new QGroupBox(central);
  auto* b = new QVBoxLayout(bottom);
  b->addWidget(new QLabel(QStringLiteral("Promotion one"), bottom));
  b->addWidget(new QLabel(QStringLiteral("Promotion two"), bottom));
  layout->addWidget(bottom);
  window.show();
  ReportStartup(&window);
  return app.exec();
}
