#include "dictionary/frm_numerology_dictionary_pb.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/screen_fit.h"

namespace {
// The window closes itself when the bar is full: no close box, and Esc does nothing.
class ProgressWindow : public QMainWindow {
 public:
  ProgressWindow() : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {}

 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape) {
      event->accept();
      return;
    }
    QMainWindow::keyPressEvent(event);
  }
};
}  // namespace

QMainWindow* frmNumerologyDictionaryPB::CreateWindow() { return new ProgressWindow; }

void frmNumerologyDictionaryPB::CreateControls(QMainWindow* w) {
  w->setWindowTitle(QStringLiteral("QZ Numerology Dictionary"));
  auto* central = new QWidget(w);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(13, 16, 13, 16);
  layout->setSpacing(14);
  auto* Label1 = new QLabel(QStringLiteral("Please wait while Dictionary is Updating ...."), central);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setAlignment(Qt::AlignCenter);
  PB = new QProgressBar(central);
  PB->setObjectName(QStringLiteral("PB"));
  PB->setTextVisible(false);
  PB->setRange(0, 100);
  PB->setValue(0);
  PB->setFixedHeight(20);
  layout->addWidget(Label1);
  layout->addWidget(PB);
  w->setCentralWidget(central);
  w->setFixedSize(ui::TwipsToPixels(w, 5925), ui::TwipsToPixels(w, 1305));
  Timer1 = new ui::Timer(100, w);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  QObject::connect(Timer1, &ui::Timer::timeout, [this] { Timer1_Timer(); });
}

void frmNumerologyDictionaryPB::InitProgressBar() {
  PB->setMaximum(ProgressLimit);
  PB->hide();
}

void frmNumerologyDictionaryPB::Form_Load() {
  // The bar always starts empty, whatever the last showing left behind.
  ProgressStep = 0;
  ProgressLimit = 50;
  InitProgressBar();
  PB->setValue(0);
  ui::SetTimerEnabled(Timer1, false);
  Timer1->setInterval(100);
  PB->show();
  ui::SetTimerEnabled(Timer1, true);
}

void frmNumerologyDictionaryPB::Timer1_Timer() {
  if (!IsLoaded() || !PB) return;
  if (ProgressStep != ProgressLimit) {
    ++ProgressStep;
    PB->setValue(ProgressStep);
    return;
  }
  ui::SetTimerEnabled(Timer1, false);
  ProgressStep = 0;
  PB->hide();
  Unload();
}
