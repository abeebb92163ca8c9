#include "ui/plain_text.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTextDocument>
#include <QToolTip>

#include "ui/form.h"

namespace ui {
namespace {
bool InLoadedWindow(const QWidget* widget) {
  const QWidget* top = widget->window();
  for (Form* form : Form::LoadedForms())
    if (form->IsLoaded() && form->window() == top) return true;
  return false;
}

// The tool tip a help event over the widget would show, and the area it belongs to (empty for
// the whole widget): the widget's own, else, over a view's items, the item's.
QString TipAt(QWidget* widget, const QPoint& pos, QRect* area) {
  if (!widget->toolTip().isEmpty()) return widget->toolTip();
  auto* view = qobject_cast<QAbstractItemView*>(widget->parentWidget());
  if (!view || view->viewport() != widget || !view->model()) return QString();
  const QModelIndex index = view->indexAt(pos);
  if (!index.isValid()) return QString();
  *area = view->visualRect(index);
  return index.data(Qt::ToolTipRole).toString();
}

class PlainTextGuard : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Every object's events pass here, the web engine's own among them (built without run-time
    // type information): only the two kinds of event looked at touch the object.
    if (event->type() != QEvent::ToolTip && event->type() != QEvent::Polish) return false;
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::ToolTip) return showTipAsWritten(widget, static_cast<QHelpEvent*>(event));
    if (event->type() == QEvent::Polish)
      if (auto* label = qobject_cast<QLabel*>(widget); label && label->textFormat() == Qt::AutoText && InLoadedWindow(label))
        label->setTextFormat(Qt::PlainText);
    return false;
  }

 private:
  // Qt's own handling shows a tip that looks like rich text as rich text (images loaded, tables
  // laid out): such a tip is shown escaped here in its place. Other tips go on to Qt.
  static bool showTipAsWritten(QWidget* widget, QHelpEvent* help) {
    QRect area;
    const QString tip = TipAt(widget, help->pos(), &area);
    if (tip.isEmpty() || !Qt::mightBeRichText(tip)) return false;
    QToolTip::showText(help->globalPos(), AsWrittenInRichView(tip), widget, area, widget->toolTipDuration());
    help->accept();
    return true;
  }
};
}  // namespace

QString AsWrittenInRichView(const QString& text) {
  if (!Qt::mightBeRichText(text)) return text;
  return Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

void KeepShownTextPlain() {
  static PlainTextGuard* guard = nullptr;
  if (guard || !qApp) return;
  guard = new PlainTextGuard(qApp);
  qApp->installEventFilter(guard);
}
}  // namespace ui
