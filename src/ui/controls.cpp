#include "controls.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <memory>

namespace ui {
QString LabelText(const QString& caption) {
  QString out;
  out.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (i + 1 < caption.size() && caption[i + 1] == u'&') {
        out += u'&';
        ++i;
      }
      continue;
    }
    out += caption[i];
  }
  return out;
}

Label::Label(const QString& caption, QWidget* parent) : QLabel(parent) {
  setCaption(caption);
  setWordWrap(true);
  setMouseTracking(true);
}

void Label::setCaption(const QString& caption) { setText(LabelText(caption)); }

void Label::setLinkStyle(bool on) {
  setCursor(on ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Label::setLook(const QColor& colour, bool bold, bool underline, int pointSizeDelta) {
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, colour);
  setPalette(pal);
  QFont f = font();
  f.setBold(bold);
  f.setUnderline(underline);
  if (pointSizeDelta != 0 && f.pointSize() > 0) f.setPointSize(f.pointSize() + pointSizeDelta);
  setFont(f);
}

void Label::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click) emit clicked();
}

// A move over a control is that control's own: it does not go on to the container behind it.
void Label::mouseMoveEvent(QMouseEvent* event) {
  QLabel::mouseMoveEvent(event);
  event->accept();
  emit mouseMoved();
}

Frame::Frame(const QString& title, QWidget* parent) : QGroupBox(title, parent) { setMouseTracking(true); }

void Frame::mouseMoveEvent(QMouseEvent* event) {
  QGroupBox::mouseMoveEvent(event);
  event->accept();
  emit mouseMoved();
}

void SetTimerEnabled(QTimer* timer, bool enabled) {
  if (!enabled) timer->stop();
  else if (!timer->isActive()) timer->start();
}

namespace {
class EventHook : public QObject {
 public:
  using Handler = std::function<bool(QEvent*)>;
  EventHook(QObject* target, Handler handler) : QObject(target), handler_(std::move(handler)) {
    target->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override { return handler_(event); }

 private:
  Handler handler_;
};

bool betweenControls(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
}  // namespace

void OnKeyPress(QWidget* widget, std::function<bool(QKeyEvent*)> handler) {
  new EventHook(widget, [handler = std::move(handler)](QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    return handler(static_cast<QKeyEvent*>(e));
  });
}

void OnTextEdited(QLineEdit* box, std::function<void()> handler) {
  // The handler may set the text itself; that change does not call it again.
  auto busy = std::make_shared<bool>(false);
  QObject::connect(box, &QLineEdit::textChanged, box, [busy, handler = std::move(handler)] {
    if (*busy) return;
    *busy = true;
    handler();
    *busy = false;
  });
}

void OnGotFocus(QWidget* widget, std::function<void()> handler) {
  new EventHook(widget, [handler = std::move(handler)](QEvent* e) {
    if (e->type() == QEvent::FocusIn && betweenControls(static_cast<QFocusEvent*>(e)->reason())) handler();
    return false;
  });
}

void OnLostFocus(QWidget* widget, std::function<void()> handler) {
  new EventHook(widget, [handler = std::move(handler)](QEvent* e) {
    if (e->type() == QEvent::FocusOut && betweenControls(static_cast<QFocusEvent*>(e)->reason())) handler();
    return false;
  });
}
}  // namespace ui
