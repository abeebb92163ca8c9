#pragma once
// The Chinese numerology tool's entry window: the name and birth date, Calculate, and the
// Open of a saved Chinese reading file.
#include "chinese/core/chinese_reading.h"
#include "ui/form.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmChineseNumerologyMain : public ui::FormOf<frmChineseNumerologyMain> {
 public:
  frmChineseNumerologyMain() : FormOf("frmChineseNumerologyMain") {}

  // The last calculated person; kept for the rest of the run, while this window is unloaded
  // too, for the result and report windows.
  const chinese::ChinesePerson& CalculatedPerson() const { return calculated_; }

  void cmdProceed_Click();
  void cmdOpen_Click();
  void mnuExit_Click() { Unload(); }

 protected:
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override;
  void Form_Unload() override;

 private:
  bool ValidateInput();

  QLineEdit* txtName = nullptr;
  QRadioButton* optSex[2] = {nullptr, nullptr};
  QComboBox* cboDate = nullptr;
  QComboBox* cboMonth = nullptr;
  QComboBox* cboYear = nullptr;
  chinese::ChinesePerson calculated_;
};
