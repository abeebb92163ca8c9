#pragma once
// The exit dialog: support texts, a visit invitation, the refer-a-friend form and Exit.
#include <QStringList>

#include "ui/form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
namespace ui {
class Label;
}

class frmNagScreen2 : public ui::FormOf<frmNagScreen2> {
 public:
  frmNagScreen2() : FormOf("frmNagScreen2") {}

  static const QStringList& SupportTexts();
  // The message box's text as the user sees it (CR LF line ends).
  QString txtMessageText();

  void Check1_Click();
  void cmdClose_Click();
  void cmdSubmit_Click();
  void lblGoToHome_Click();

 protected:
  QMainWindow* CreateWindow() override;
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override;
  void Form_Unload() override;

 private:
  ui::Label* Label2 = nullptr;
  ui::Label* lblNagScreen2Caption = nullptr;
  QLabel* picNagscreen2Icon = nullptr;
  QCheckBox* Check1 = nullptr;
  QLineEdit* txtName = nullptr;
  QLineEdit* txtEmail = nullptr;
  QLineEdit* txtFriendName = nullptr;
  QLineEdit* txtFriendEmail = nullptr;
  QPlainTextEdit* txtMessage = nullptr;
};
