#pragma once
// The launcher: one button per tool, the blinking forum banner and the promotion labels.
#include "shell/tool_registry.h"
#include "ui/form.h"

class QPushButton;
namespace ui {
class Frame;
class Label;
class Timer;
}

// Rounds to the nearest integer, a half going to the even neighbour.
int RoundHalfEven(double x);
// n of the launcher's draw for a random r: r * 6 + 1 rounded half to even (1 .. 7).
int CoBrandDraw(float r);

class frmMain : public ui::FormOf<frmMain> {
 public:
  frmMain() : FormOf("frmMain") {}

  void CoBrand_Randomize();
  void cmdSelectOption_Click(shell::Tool tool);
  void Timer1_Timer();
  void Timer2_Timer();
  void Frame1_MouseMove();
  void Frame2_MouseMove();
  void Frame3_MouseMove();
  void lblVeltrasse_MouseMove();

  // The tool's button of the array cmdSelectOption (objectName "cmdSelectOption", property
  // "Index" the tool's index).
  QPushButton* cmdSelectOption(shell::Tool tool);

 protected:
  void CreateControls(QMainWindow* window) override;
  void Form_Unload() override;

 private:
  ui::Timer* Timer1 = nullptr;
  ui::Timer* Timer2 = nullptr;
  ui::Label* lblVeltrasse = nullptr;
  QWidget* promotion = nullptr;
  void frames_MouseMove();
};

// The process entry: single-instance test, update reminder, launcher, promotion draw.
void StartSuite();
