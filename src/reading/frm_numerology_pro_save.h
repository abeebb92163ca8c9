#pragma once
// The comprehensive window: the whole reading, loaded hidden by the input and reading windows.
#include "reading/reading_report_window.h"

class frmNumerologyProsave : public ReadingReportWindow {
 public:
  static frmNumerologyProsave& instance() {
    return ui::SingleInstance<frmNumerologyProsave>([] { return new frmNumerologyProsave(); });
  }

 protected:
  void Form_Load() override;

 private:
  frmNumerologyProsave() : ReadingReportWindow(QStringLiteral("frmNumerologyProsave"), QStringLiteral("E&xit")) {}
};
