#pragma once
// The name and birth numbers window: a name and a birth date in, the name number with its
// attributes, the birth number and the zodiac sign out.
#include <QSize>

#include "ui/form.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
namespace ui {
class Label;
}

class frmNumerologySoftwareOne : public ui::FormOf<frmNumerologySoftwareOne> {
 public:
  frmNumerologySoftwareOne() : FormOf("frmNumerologySoftwareOne") {}

  void option1_Click();  // Calculate
  void Option2_Click();  // Clear
  // Refuses a digit typed into the name box; true drops the key.
  bool Text1_KeyPress(QKeyEvent* event);
  void Label10_Click();
  void Label12_Click();
  void mnuCalc_Click();
  void mnuClr_Click();
  void mnuVOS_Click();
  void mnuExit_Click();
  void mnuhp_Click();
  void mnuVS_Click();
  void mnuDonate_Click();

  // The client area of the two states.
  QSize CollapsedClientSize() const;
  QSize ExpandedClientSize() const;
  bool IsExpanded();

 protected:
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void SetExpanded(bool expanded);
  void ComputeNameNumber();
  void ComputeBirthNumber();
  void ShowNameNumberMeaning();
  void ShowZodiacSign();
  void ShowPlanetElementLetters();
  void ShowNameNumberColors();

  QWidget* client = nullptr;
  QLineEdit* Text1 = nullptr;
  QComboBox* myday = nullptr;
  QComboBox* Combo1 = nullptr;
  QComboBox* myyear = nullptr;
  QLineEdit* Text2 = nullptr;
  QLineEdit* Text7 = nullptr;
  QLineEdit* Text6 = nullptr;
  QLabel* planet = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* elements = nullptr;
  QLabel* letters = nullptr;
  QLabel* zodiac = nullptr;
  QLabel* Image2 = nullptr;
  QLabel* pcolors = nullptr;
  QLabel* scolors = nullptr;
  QLabel* Label2 = nullptr;
};
