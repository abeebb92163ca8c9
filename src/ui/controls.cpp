#include "ui/controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSet>
#include <QTabBar>
#include <QTextEdit>
#include <QValidator>
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
  setTextFormat(Qt::PlainText);  // a name or a file's text shows as written
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

void Timer::setInterval(int ms) {
  interval_ = ms;
  qtimer_->setInterval(ms);
}

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

char32_t KeyCharacterCode(const QKeyEvent* event) {
  const int key = event->key();
  const Qt::KeyboardModifiers mods = event->modifiers();
  switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return 0;
    default: break;
  }
  if (mods & (Qt::AltModifier | Qt::MetaModifier)) return 0;
  if (mods & Qt::ControlModifier) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return char32_t(key - Qt::Key_A + 1);
    if (key == Qt::Key_BracketLeft) return 27;
    if (key == Qt::Key_Backslash) return 28;
    if (key == Qt::Key_BracketRight) return 29;
    return 0;
  }
  const QList<uint> text = event->text().toUcs4();
  if (text.isEmpty() || text.first() == 0x7f) return 0;  // 0x7f: Delete's text on X11
  return char32_t(text.first());
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

namespace {
// A key pressed with Ctrl, Alt or Meta held reaches the box (and its key handlers) without its
// text: its command acts, nothing is typed.
class ModifiedKeysTypeNothing : public QObject {
 public:
  explicit ModifiedKeysTypeNothing(QWidget* box) : QObject(box) { box->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* box, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().isEmpty() || !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
      return false;
    QKeyEvent bare(QEvent::KeyPress, key->key(), key->modifiers(), key->nativeScanCode(), key->nativeVirtualKey(),
                   key->nativeModifiers(), QString(), key->isAutoRepeat(), key->count(), key->device());
    QCoreApplication::sendEvent(box, &bare);  // goes on to the parents itself when the box ignores it
    key->accept();
    return true;
  }
};

bool isLineBreak(QChar c) {
  return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar(0x85) || c == QChar(0x2028) ||
         c == QChar(0x2029);
}
bool isControl(QChar c) { return c.category() == QChar::Other_Control || isLineBreak(c); }

// A single-line box holds no control character. An edit leaves the caret after the text it
// put in and the text after the caret as it was, so what the edit brought lies before the
// caret: its first line stays, without control characters.
class SingleLine : public QValidator {
 public:
  explicit SingleLine(QLineEdit* box) : QValidator(box), box_(box) {}

  State validate(QString& input, int& pos) const override {
    if (box_->isReadOnly() || std::none_of(input.cbegin(), input.cend(), isControl)) return Acceptable;
    const qsizetype caret = std::clamp<qsizetype>(pos, 0, input.size());
    QString before = input.left(caret);
    if (const auto br = std::find_if(before.cbegin(), before.cend(), isLineBreak); br != before.cend())
      before.truncate(br - before.cbegin());
    before.removeIf(isControl);
    QString after = input.mid(caret);
    after.removeIf(isControl);
    input = before + after;
    pos = int(before.size());
    return Acceptable;
  }

 private:
  QLineEdit* box_;
};
}  // namespace

void KeepTextBoxManners(QWidget* window) {
  for (QWidget* w : window->findChildren<QWidget*>()) {
    // An editable list takes the keys for its box and hands them on past the box's filters.
    auto* list = qobject_cast<QComboBox*>(w);
    if (list && list->isEditable()) new ModifiedKeysTypeNothing(list);
    auto* line = qobject_cast<QLineEdit*>(w);
    if (!line && !qobject_cast<QTextEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w)) continue;
    new ModifiedKeysTypeNothing(w);
    if (line && !line->validator()) line->setValidator(new SingleLine(line));
  }
}

QString WithoutAccessKey(const QString& caption) {
  QString out;
  out.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] != u'&') {
      out += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
      out += QStringLiteral("&&");
      ++i;
    }
  }
  return out;
}

void YieldAccessKeysToMenuBar(QMainWindow* window) {
  auto* bar = qobject_cast<QMenuBar*>(window->menuWidget());
  if (!bar) return;
  QSet<int> menuKeys;
  for (const QAction* title : bar->actions())
    if (const QKeySequence key = QKeySequence::mnemonic(title->text()); !key.isEmpty()) menuKeys.insert(key[0].toCombined());
  const auto taken = [&](const QString& caption) {
    const QKeySequence key = QKeySequence::mnemonic(caption);
    return !key.isEmpty() && menuKeys.contains(key[0].toCombined());
  };
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w == bar || bar->isAncestorOf(w)) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && taken(button->text()))
      button->setText(WithoutAccessKey(button->text()));
    else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy() && taken(label->text()))
      label->setText(WithoutAccessKey(label->text()));
    else if (auto* frame = qobject_cast<QGroupBox*>(w); frame && taken(frame->title()))
      frame->setTitle(WithoutAccessKey(frame->title()));
    else if (auto* tabs = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < tabs->count(); ++i)
        if (taken(tabs->tabText(i))) tabs->setTabText(i, WithoutAccessKey(tabs->tabText(i)));
  }
}
}  // namespace ui
