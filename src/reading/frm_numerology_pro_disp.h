#pragma once
// The display window: one number's section, shown modally by the reading window.
#include "reading/reading_report_window.h"

class frmNumerologyProDisp : public ReadingReportWindow {
 public:
  static frmNumerologyProDisp& instance() {
    return ui::SingleInstance<frmNumerologyProDisp>([] { return new frmNumerologyProDisp(); });
  }

 private:
  frmNumerologyProDisp() : ReadingReportWindow(QStringLiteral("frmNumerologyProDisp"), QStringLiteral("&Exit")) {}
};
