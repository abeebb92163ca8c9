#include "msgbox.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {
namespace {
std::function<int(const MsgBoxCall&)>& handler() {
  static std::function<int(const MsgBoxCall&)> h;
  return h;
}
}  // namespace

QString AppTitle() { return QStringLiteral("QZ Orbalinth"); }

int MsgBox(const QString& prompt, int style, const QString& title) {
  const MsgBoxCall call{prompt, style, title.isEmpty() ? AppTitle() : title};
  if (handler()) return handler()(call);

  QString text = prompt;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));

  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(call.title);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  if (style & vbCritical) box.setIcon(QMessageBox::Critical);
  else if (style & vbInformation) box.setIcon(QMessageBox::Information);
  else box.setIcon(QMessageBox::NoIcon);
  const bool yesNo = (style & 0x7) == vbYesNo;
  if (yesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  const int result = box.exec();
  if (yesNo) return result == QMessageBox::Yes ? vbYes : vbNo;
  return vbOK;
}

void SetMsgBoxHandler(std::function<int(const MsgBoxCall&)> h) { handler() = std::move(h); }
}  // namespace ui
