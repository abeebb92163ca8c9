#pragma once
// The Kabbalah tool's result window: one tab per result, its caption line and its text.
#include "kabbalah/core/kabbalah_numbers.h"
#include "ui/form.h"

class QLabel;
class QPlainTextEdit;
class QTabBar;

class frmKabbalahNumerologyDisplay : public ui::FormOf<frmKabbalahNumerologyDisplay> {
 public:
  frmKabbalahNumerologyDisplay() : FormOf("frmKabbalahNumerologyDisplay") {}

  // The results of the last calculation, which the caption line and the report show; kept
  // for the rest of the run.
  const kabbalah::KabbalahResults& Results() const { return results_; }
  void SetResults(const kabbalah::KabbalahResults& results) { results_ = results; }

  // Box names in tab order.
  static const QStringList& BoxNames();

  // Writes a box's text (line breaks as CR LF, CR or LF); loads the window when needed.
  void SetBoxText(int tab, const QString& text);
  // A box's text with CR LF line breaks.
  QString BoxText(int tab);
  // Selects the first tab and shows its box and caption.
  void ShowFirstTab();

  void TScript_Click();
  void cmdBack_Click();
  void cmdPrint_Click();
  void mnuBack_Click() { cmdBack_Click(); }
  void mnuPrint_Click() { cmdPrint_Click(); }
  void mnuExit_Click() { Unload(); }

 protected:
  void CreateControls(QMainWindow* window) override;
  void Form_Unload() override;

 private:
  QTabBar* TScript = nullptr;
  QLabel* lblCaption = nullptr;
  QList<QPlainTextEdit*> boxes;
  kabbalah::KabbalahResults results_;
};
