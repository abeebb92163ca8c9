#pragma once
// The I Ching name luck window: an input page with three name boxes and a result page
// with the nine result lines, on the same spot.
#include <QString>
#include <array>

#include "ui/form.h"

class QKeyEvent;
class QLineEdit;
class QPushButton;
class QStackedWidget;
namespace ui {
class Frame;
class Label;
}

class frmIChingNumerologyMain : public ui::FormOf<frmIChingNumerologyMain> {
 public:
  frmIChingNumerologyMain() : FormOf("frmIChingNumerologyMain") {}

  // Reports the first missing name, moves the focus to its box; true when both are there.
  bool ValidateNames();

  void cmdNext_Click();
  void cmdBack_Click();
  void cmdOpen_Click();
  void mnuExit_Click();

  // Object names of the control arrays: "lblLabel_0".."lblLabel_3", "lblResult_0".."lblResult_8".
  static QString lblLabelName(int index);
  static QString lblResultName(int index);

  // Open's message for a file that cannot be opened or read.
  inline static const QString kUnreadableFile =
      QStringLiteral("The file could not be read. Please check that it exists and that you may open it.");

 protected:
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override;
  void Form_Unload() override;

 private:
  QStackedWidget* pages = nullptr;
  ui::Frame* Frame1 = nullptr;
  ui::Frame* Frame2 = nullptr;
  QLineEdit* txtNameFirst = nullptr;
  QLineEdit* txtNameMiddle = nullptr;
  QLineEdit* txtNameLast = nullptr;
  QPushButton* cmdNext = nullptr;
  QPushButton* cmdBack = nullptr;
  QPushButton* cmdOpen = nullptr;
  std::array<ui::Label*, 9> lblResult{};

  bool txtName_KeyPress(QLineEdit* box, QKeyEvent* event);
  // A refused character: the message, and the focus back in its box.
  void refuseTyped(QLineEdit* box);
};
