#pragma once
// The reading's input window: three names and a birth date, Next, Open of a saved reading, Exit.
#include "reading/core/reading_section.h"
#include "ui/form.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class frmNumerologyProMain : public ui::FormOf<frmNumerologyProMain> {
 public:
  frmNumerologyProMain() : FormOf("frmNumerologyProMain") {}

  // The person on screen: the six controls' texts as they stand (untrimmed).
  reading::Person PersonOnScreen();
  // The six fields of the last successful Next, trimmed, in file order: what the display and
  // comprehensive windows save. Kept for the rest of the run, whatever happens to the window.
  reading::Person SavedPerson() const;

  bool ValidateInput();
  void cmdNext_Click();
  void cmdExit_Click();
  void cmdOpen_Click();
  void mnuNext_Click() { cmdNext_Click(); }
  void mnuExit_Click() { cmdExit_Click(); }

  // Messages of the checks and of the file.
  static const QString kCheckFileMessage;

 protected:
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override;
  void Form_Unload() override;

 private:
  QLineEdit* txtFirstName = nullptr;
  QLineEdit* txtMiddleName = nullptr;
  QLineEdit* txtLastName = nullptr;
  QComboBox* cboMonth = nullptr;
  QComboBox* cboDate = nullptr;
  QComboBox* cboYear = nullptr;
  QPushButton* cmdNext = nullptr;
  QPushButton* cmdExit = nullptr;
  QPushButton* cmdOpen = nullptr;

  QString ProFirstName;
  QString ProMiddleName;
  QString ProLastName;
  QString ProBirthMonth;
  QString ProBirthDate;
  QString ProBirthYear;

  void InstallNameFilter(QLineEdit* box);
};
