#pragma once
// The reading window: one button per number, each showing its section in the display window,
// and the comprehensive reading of all of them in the comprehensive window.
#include <QDate>
#include <QString>

#include "reading/core/reading_section.h"
#include "ui/form.h"

namespace reading {
struct ReadingNumber;
}

class frmNumerologyProResult : public ui::FormOf<frmNumerologyProResult> {
 public:
  frmNumerologyProResult() : FormOf("frmNumerologyProResult") {}

  // Runs the number behind a button ("cmdLifePath", ...) for the person on screen.
  void RunNumber(const QString& button);
  void cmdComprehensiveReading_Click();
  void cmdExit_Click() { Unload(); }

 protected:
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void RunNumber(const reading::ReadingNumber& number);
  // Writes the hidden label of one number (by its button), or of all of them.
  void WriteLabels(const reading::Person& person, const QDate& today, const QString& button = QString());
  void ShowMaturityGuard();
};
