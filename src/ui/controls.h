#pragma once
// Small controls with the events the suite's windows handle.
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;
class QMainWindow;

namespace ui {
// A label's caption as shown: "&&" shows one ampersand, a single "&" only marks the access key.
QString LabelText(const QString& caption);

// A label with Click and MouseMove events. Its text is plain text (Qt::PlainText).
class Label : public QLabel {
  Q_OBJECT
 public:
  explicit Label(const QString& caption = QString(), QWidget* parent = nullptr);
  void setCaption(const QString& caption);  // caption with VB-style ampersands
  // Shows a pointing hand over the label.
  void setLinkStyle(bool on = true);
  // Text colour and weight, without a style sheet (style sheets slow every window down).
  void setLook(const QColor& colour, bool bold = false, bool underline = false, int pointSizeDelta = 0);

 signals:
  void clicked();
  void mouseMoved();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

// A frame (group box) with a MouseMove event.
class Frame : public QGroupBox {
  Q_OBJECT
 public:
  explicit Frame(const QString& title = QString(), QWidget* parent = nullptr);

 signals:
  void mouseMoved();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
};

// Enabling a running timer leaves it running (QTimer::start would restart it).
void SetTimerEnabled(QTimer* timer, bool enabled);

// A timer control: a repeating QTimer, or, while a test has the manual clock on, a timer of
// that clock, which ticks only as the test moves the clock on.
class Timer : public QObject {
  Q_OBJECT
 public:
  Timer(int interval, QObject* parent);
  ~Timer() override;
  int interval() const { return interval_; }
  // Takes effect at the next start, as for a QTimer that is not running.
  void setInterval(int ms);
  bool isActive() const;
  // Counts the interval afresh from now, as QTimer::start does.
  void start();
  void stop();
  // Milliseconds to the next tick; -1 when stopped.
  int remainingTime() const;

 signals:
  void timeout();

 private:
  friend void AdvanceManualClock(int ms);
  friend void SetManualClock(bool on);
  QTimer* qtimer_;
  int interval_;
  qint64 due_ = -1;   // on the manual clock: the time of the next tick, -1 when stopped
  quint64 order_ = 0;  // ticks due at the same time come in the order they were set
};
// Enabling a running timer leaves it running.
void SetTimerEnabled(Timer* timer, bool enabled);

// Test seam: with the manual clock on, timers started from then on tick only in
// AdvanceManualClock, each due tick in time order. Turned off, running timers go on on Qt's.
void SetManualClock(bool on);
void AdvanceManualClock(int ms);

// Calls the handler with every key press the widget receives; true from it drops the key.
void OnKeyPress(QWidget* widget, std::function<bool(QKeyEvent* event)> handler);

// The character code a key press stands for, control codes included: Ctrl with a letter gives
// 1 to 26 (Ctrl+V is 22), Ctrl with [ \ ] gives 27 to 29, Esc 27, Return 13, Backspace 8. Keys
// that stand for no character (arrows, Delete, Tab, function keys, Ctrl with any other key, and
// every key with Alt or Meta held) give 0. The key's text is not needed for the control codes, so
// a key whose text the suite's typing manners took away still gives its code.
char32_t KeyCharacterCode(const QKeyEvent* event);

// A box's rule for one typed character: the character to put in the box, or nothing to refuse it.
using TypedCharRule = std::function<std::optional<char32_t>(char32_t code)>;

// Holds text that reaches the box other than by a key press to the box's key filter: an input
// method's committed text is typed text, each character going through the rule; refused
// characters are dropped and `refused` runs once for the commit. The box takes no drops.
void FilterTypedText(QLineEdit* box, TypedCharRule rule, std::function<void()> refused);

// Calls the handler after every edit of the box, pasted text included; the handler
// may rewrite the text (the cursor keeps its place).
void OnTextEdited(QLineEdit* box, std::function<void()> handler);

// Every text box of the window keeps the suite's typing manners: a key pressed with Ctrl, Alt or
// Meta held types no text (the box's commands, such as Ctrl+V, still act), and an editable
// single-line box holds no control character: of a pasted or dropped text only the first line
// stays, without tabs or other control characters.
void KeepTextBoxManners(QWidget* window);

// A caption without its access key: "&&" stays, a single "&" goes.
QString WithoutAccessKey(const QString& caption);
// One key, one action: a control whose access key is also a title's of the window's menu bar
// gives it up (its caption loses the mark); the menu title keeps it.
void YieldAccessKeysToMenuBar(QMainWindow* window);

// Focus moves between controls (not those caused by a message box taking the activation).
void OnGotFocus(QWidget* widget, std::function<void()> handler);
void OnLostFocus(QWidget* widget, std::function<void()> handler);
// Runs a handler after each resize of a widget, for as long as the widget lives.
void OnResize(QWidget* widget, std::function<void()> handler);
}  // namespace ui
