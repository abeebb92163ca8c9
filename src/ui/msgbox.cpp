#include "msgbox.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {
namespace {
std::function<MsgAnswer(const MsgBoxCall&)>& handler() {
  static std::function<MsgAnswer(const MsgBoxCall&)> h;
  return h;
}
}  // namespace

QString AppTitle() { return QStringLiteral("QZ Orbalinth"); }

MsgAnswer MsgBox(const QString& prompt, MsgStyle style, const QString& title) {
  const MsgBoxCall call{prompt, style, title.isEmpty() ? AppTitle() : title};
  if (handler()) return handler()(call);

  QString text = prompt;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));

  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(call.title);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  if (style == MsgStyle::Critical) box.setIcon(QMessageBox::Critical);
  else if (style == MsgStyle::OkOnly) box.setIcon(QMessageBox::NoIcon);
  else box.setIcon(QMessageBox::Information);
  const bool yesNo = style == MsgStyle::YesNoInformation;
  if (yesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  const int result = box.exec();
  if (yesNo) return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
  return MsgAnswer::Ok;
}

void SetMsgBoxHandler(std::function<MsgAnswer(const MsgBoxCall&)> h) { handler() = std::move(h); }
}  // namespace ui
