#include "controls.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>
#include <memory>
#include <vector>

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
struct ManualClock {
  bool on = false;
  qint64 now = 0;
  quint64 order = 0;
  std::vector<Timer*> timers;  // every timer made, to move them between the clocks
};
ManualClock& manualClock() {
  static ManualClock clock;
  return clock;
}
}  // namespace

Timer::Timer(int interval, QObject* parent) : QObject(parent), qtimer_(new QTimer(this)), interval_(interval) {
  qtimer_->setInterval(interval);
  connect(qtimer_, &QTimer::timeout, this, &Timer::timeout);
  manualClock().timers.push_back(this);
}

Timer::~Timer() { std::erase(manualClock().timers, this); }

bool Timer::isActive() const { return due_ >= 0 || qtimer_->isActive(); }

void Timer::start() {
  ManualClock& clock = manualClock();
  if (!clock.on) {
    qtimer_->start();
    return;
  }
  qtimer_->stop();
  due_ = clock.now + std::max(interval_, 1);
  order_ = ++clock.order;
}

void Timer::stop() {
  qtimer_->stop();
  due_ = -1;
}

int Timer::remainingTime() const {
  if (due_ >= 0) return int(due_ - manualClock().now);
  return qtimer_->remainingTime();
}

void SetTimerEnabled(Timer* timer, bool enabled) {
  if (!enabled) timer->stop();
  else if (!timer->isActive()) timer->start();
}

void SetManualClock(bool on) {
  ManualClock& clock = manualClock();
  clock.on = on;
  if (on) return;
  for (Timer* t : clock.timers) {
    if (t->due_ < 0) continue;
    t->due_ = -1;
    t->qtimer_->start();
  }
}

void AdvanceManualClock(int ms) {
  ManualClock& clock = manualClock();
  const qint64 end = clock.now + ms;
  for (;;) {
    Timer* next = nullptr;
    for (Timer* t : clock.timers) {
      if (t->due_ < 0 || t->due_ > end) continue;
      if (!next || t->due_ < next->due_ || (t->due_ == next->due_ && t->order_ < next->order_)) next = t;
    }
    if (!next) break;
    clock.now = next->due_;
    next->due_ += std::max(next->interval_, 1);
    next->order_ = ++clock.order;
    emit next->timeout();
  }
  clock.now = end;
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

class TypedTextFilter : public QObject {
 public:
  TypedTextFilter(QLineEdit* box, TypedCharRule rule, std::function<void()> refused)
      : QObject(box), box_(box), rule_(std::move(rule)), refused_(std::move(refused)) {
    box->setAcceptDrops(false);
    box->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
        event->ignore();
        return true;
      case QEvent::InputMethod:
        return !resending_ && inputMethod(static_cast<QInputMethodEvent*>(event));
      default:
        return false;
    }
  }

 private:
  bool inputMethod(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (commit.isEmpty()) return false;  // still composing: nothing is typed yet
    QString kept;
    bool refused = false;
    for (const char32_t code : commit.toUcs4()) {
      if (const std::optional<char32_t> typed = rule_(code)) kept += QString::fromUcs4(&*typed, 1);
      else refused = true;
    }
    if (!refused && kept == commit) return false;
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    resending_ = true;
    QCoreApplication::sendEvent(box_, &filtered);
    resending_ = false;
    if (refused) refused_();
    return true;
  }

  QLineEdit* box_;
  TypedCharRule rule_;
  std::function<void()> refused_;
  bool resending_ = false;
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

void FilterTypedText(QLineEdit* box, TypedCharRule rule, std::function<void()> refused) {
  new TypedTextFilter(box, std::move(rule), std::move(refused));
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
namespace {
class ResizeWatcher : public QObject {
 public:
  ResizeWatcher(QWidget* watched, std::function<void()> handler) : QObject(watched), handler_(std::move(handler)) {
    watched->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) handler_();
    return false;
  }

 private:
  std::function<void()> handler_;
};
}  // namespace

void OnResize(QWidget* widget, std::function<void()> handler) { new ResizeWatcher(widget, std::move(handler)); }
}  // namespace ui
