#pragma once
// The progress window shown after a merge: a bar that fills in about five seconds.
#include <QPointer>

#include "ui/form.h"

class QProgressBar;
namespace ui {
class Timer;
}  // namespace ui

class frmNumerologyDictionaryPB : public ui::FormOf<frmNumerologyDictionaryPB> {
 public:
  frmNumerologyDictionaryPB() : FormOf("frmNumerologyDictionaryPB") {}

  qint32 ProgressLimit = 0;
  qint32 ProgressStep = 0;

  void InitProgressBar();
  void Timer1_Timer();

 protected:
  QMainWindow* CreateWindow() override;
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override;

 private:
  QPointer<QProgressBar> PB;
  QPointer<ui::Timer> Timer1;
};
