#pragma once
// The Chinese numerology result: the Lo Shu chart framed by the compass, and the favourable
// number text beside it.
#include <QString>

#include "ui/form.h"

class QLabel;
namespace ui {
class RichTextBox;
}

class frmChineseNumerologyDisplay : public ui::FormOf<frmChineseNumerologyDisplay> {
 public:
  frmChineseNumerologyDisplay() : FormOf("frmChineseNumerologyDisplay") {}

  void cmdBack_Click();
  void cmdSave_Click();
  void mnuBack_Click() { cmdBack_Click(); }
  void mnuExit_Click() { Unload(); }

  // Controls (the window loads first): the cell labels of digits index + 1, the compass
  // labels, and the favourable number text.
  QLabel* lblLoshuGrid(int index);
  QLabel* lblLoshuSides(int index);
  ui::RichTextBox* RTBLoshu();

 protected:
  void CreateControls(QMainWindow* window) override;
  void Form_Unload() override;
};

namespace chinese {
// Works out the chart of a birth date and writes it into the result window, which loads
// hidden when it is not loaded yet.
void ComputeFavourableNumber(const QString& day, const QString& monthName, const QString& year);
}  // namespace chinese
