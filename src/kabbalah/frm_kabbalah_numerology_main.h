#pragma once
// The Kabbalah tool's input window: three name parts, the birth date and the hour of birth.
#include "ui/form.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;

class frmKabbalahNumerologyMain : public ui::FormOf<frmKabbalahNumerologyMain> {
 public:
  frmKabbalahNumerologyMain() : FormOf("frmKabbalahNumerologyMain") {}

  void cmdNext_Click();
  void mnuNext_Click() { cmdNext_Click(); }
  void mnuExit_Click() { CloseInputWindow(); }
  // The key filter of the three name boxes; true drops the key.
  bool txtName_KeyPress(QLineEdit* box, QKeyEvent* event);

  // The trimmed name parts of the last interpretation.
  const QString& firstName() const { return FirstName; }
  const QString& middleName() const { return MiddleName; }
  const QString& lastName() const { return LastName; }

 protected:
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override;
  void Form_Unload() override;

 private:
  QLineEdit* txtFirstName = nullptr;
  QLineEdit* txtMiddleName = nullptr;
  QLineEdit* txtLastName = nullptr;
  QComboBox* cmbDate = nullptr;
  QComboBox* cmbMonth = nullptr;
  QComboBox* cmbYear = nullptr;
  QComboBox* cboMHH = nullptr;
  QComboBox* cboMMM = nullptr;
  QComboBox* cboMSS = nullptr;
  QPushButton* cmdNext = nullptr;

  QString FirstName;
  QString MiddleName;
  QString LastName;

  bool ValidateInput();
  void CloseInputWindow();
};
