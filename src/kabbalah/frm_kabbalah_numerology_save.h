#pragma once
// The Kabbalah report: all six results in one rich text, saved as RTF and printed.
#include "ui/form.h"

namespace ui {
class RichTextBox;
}

class frmKabbalahNumerologySave : public ui::FormOf<frmKabbalahNumerologySave> {
 public:
  frmKabbalahNumerologySave() : FormOf("frmKabbalahNumerologySave") {}

  void cmdSave_Click();
  void cmdPrint_Click();

 protected:
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override;
  void Form_Unload() override;

 private:
  ui::RichTextBox* RTB = nullptr;
};
