#pragma once
// Message boxes: modal, with the styles the suite uses, returning the button pressed.
#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace ui {
constexpr int vbOKOnly = 0;
constexpr int vbYesNo = 4;
constexpr int vbCritical = 16;
constexpr int vbInformation = 64;
constexpr int vbOK = 1;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// The title of every message box that gives none of its own.
QString AppTitle();  // "QZ Orbalinth"

// Styles 0 (OK), 16 (OK, critical), 64 (OK, information), 68 (Yes and No, information).
// A carriage return, alone or followed by a line feed, breaks the line.
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());

struct MsgBoxCall {
  QString prompt;  // as given
  int style;
  QString title;   // as shown (the application title when none was given)
};
// The box MsgBox shows for the call, not yet shown: at least as wide as its title needs.
std::unique_ptr<QMessageBox> MakeMessageBox(const MsgBoxCall& call, QWidget* parent = nullptr);

// Tests: answers every message box in place of showing it.
void SetMsgBoxHandler(std::function<int(const MsgBoxCall&)> handler);
}  // namespace ui
