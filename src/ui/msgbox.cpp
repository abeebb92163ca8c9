#include "msgbox.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <memory>
#include <QSpacerItem>

namespace ui {
namespace {
std::function<int(const MsgBoxCall&)>& handler() {
  static std::function<int(const MsgBoxCall&)> h;
  return h;
}
}  // namespace

QString AppTitle() { return QStringLiteral("QZ Orbalinth"); }

std::unique_ptr<QMessageBox> MakeMessageBox(const MsgBoxCall& call, QWidget* parent) {
  QString text = call.prompt;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));

  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(call.title);
  box->setTextFormat(Qt::PlainText);
  box->setText(text);
  if (call.style & vbCritical) box->setIcon(QMessageBox::Critical);
  else if (call.style & vbInformation) box->setIcon(QMessageBox::Information);
  else box->setIcon(QMessageBox::NoIcon);
  if ((call.style & 0x7) == vbYesNo) {
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::Yes);
  } else {
    box->setStandardButtons(QMessageBox::Ok);
  }
  // Room for the whole title in the title bar: its text in a bold face, as title bars show it,
  // beside the window menu's icon and the buttons at the bar's ends.
  QFont titleFont = box->font();
  titleFont.setBold(true);
  const QFontMetrics metrics(titleFont);
  const int barHeight = metrics.height() + metrics.height() / 2;
  const int titleWidth = metrics.horizontalAdvance(call.title) + 6 * barHeight;
  if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
    grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
  return box;
}

int MsgBox(const QString& prompt, int style, const QString& title) {
  const MsgBoxCall call{prompt, style, title.isEmpty() ? AppTitle() : title};
  if (handler()) return handler()(call);
  const std::unique_ptr<QMessageBox> box = MakeMessageBox(call, QApplication::activeWindow());
  const int result = box->exec();
  if ((style & 0x7) == vbYesNo) return result == QMessageBox::Yes ? vbYes : vbNo;
  return vbOK;
}

void SetMsgBoxHandler(std::function<int(const MsgBoxCall&)> h) { handler() = std::move(h); }
}  // namespace ui
