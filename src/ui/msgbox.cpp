#include "ui/msgbox.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <memory>

namespace ui {
namespace {
std::function<MsgAnswer(const MsgBoxCall&)>& handler() {
  static std::function<MsgAnswer(const MsgBoxCall&)> h;
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
  if (call.style == MsgStyle::Critical) box->setIcon(QMessageBox::Critical);
  else if (call.style == MsgStyle::OkOnly) box->setIcon(QMessageBox::NoIcon);
  else box->setIcon(QMessageBox::Information);
  if (call.style == MsgStyle::YesNoInformation) {
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

MsgAnswer MsgBox(const QString& prompt, MsgStyle style, const QString& title) {
  const MsgBoxCall call{prompt, style, title.isEmpty() ? AppTitle() : title};
  if (handler()) return handler()(call);
  const std::unique_ptr<QMessageBox> box = MakeMessageBox(call, QApplication::activeWindow());
  const int result = box->exec();
  if (style == MsgStyle::YesNoInformation) return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
  return MsgAnswer::Ok;
}

void SetMsgBoxHandler(std::function<MsgAnswer(const MsgBoxCall&)> h) { handler() = std::move(h); }
}  // namespace ui
