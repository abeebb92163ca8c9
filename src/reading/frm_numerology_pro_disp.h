#pragma once
// The display window: one number's section, shown modally by the reading window.
#include "reading/reading_report_window.h"

class frmNumerologyProDisp : public ReadingReportWindow {
 public:
  static frmNumerologyProDisp& instance() {
    static auto* self = new frmNumerologyProDisp();
    return *self;
  }

 private:
  frmNumerologyProDisp() : ReadingReportWindow(QStringLiteral("frmNumerologyProDisp"), QStringLiteral("&Exit")) {}
};
