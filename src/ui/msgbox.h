#pragma once
// Message boxes: modal, with the styles the suite uses, returning the button pressed.
#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace ui {
// The buttons and the icon of a message box.
enum class MsgStyle {
  OkOnly,            // OK, no icon
  Critical,          // OK, critical icon
  Information,       // OK, information icon
  YesNoInformation,  // Yes and No, information icon; Yes is the default button
};
// The button pressed.
enum class MsgAnswer { Ok, Yes, No };

// The title of every message box that gives none of its own.
QString AppTitle();  // "QZ Orbalinth"

// A carriage return, alone or followed by a line feed, breaks the line.
MsgAnswer MsgBox(const QString& prompt, MsgStyle style = MsgStyle::OkOnly, const QString& title = QString());

struct MsgBoxCall {
  QString prompt;  // as given
  MsgStyle style;
  QString title;   // as shown (the application title when none was given)
};
// The box MsgBox shows for the call, not yet shown: at least as wide as its title needs.
std::unique_ptr<QMessageBox> MakeMessageBox(const MsgBoxCall& call, QWidget* parent = nullptr);

// Tests: answers every message box in place of showing it.
void SetMsgBoxHandler(std::function<MsgAnswer(const MsgBoxCall&)> handler);
}  // namespace ui
