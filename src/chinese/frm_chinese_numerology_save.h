#pragma once
// The Chinese numerology report: the reading as plain text, saved as a Chinese reading
// file or printed on the default printer.
#include "ui/form.h"

class QPushButton;
namespace ui {
class RichTextBox;
}

class frmChineseNumerologySave : public ui::FormOf<frmChineseNumerologySave> {
 public:
  frmChineseNumerologySave() : FormOf("frmChineseNumerologySave") {}

  void cmdSave_Click();
  void cmdPrint_Click();
  void cmdOpen_Click();

 protected:
  QMainWindow* CreateWindow() override;
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override;

 private:
  ui::RichTextBox* RTB = nullptr;
  ui::RichTextBox* RTB1 = nullptr;
  QPushButton* cmdOpen = nullptr;
};
