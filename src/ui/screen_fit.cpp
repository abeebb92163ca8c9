#include "ui/screen_fit.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtMath>
#include <algorithm>
#include <cstdlib>

namespace ui {
namespace {
const QString kSizeLock = QStringLiteral("qz_sizeLock");
const QString kFrameWatch = QStringLiteral("qz_frameWatch");

QMargins& lastFrame() {
  static QMargins margins;
  return margins;
}

const QScreen* ScreenOf(const QWidget* window) {
  const QScreen* screen = window->screen();
  return screen ? screen : QApplication::primaryScreen();
}

bool Resizable(const QWidget* window) { return window->minimumSize() != window->maximumSize(); }

// The frame's top left corner that puts the window, framed, on the area: as near the wanted
// place as the area allows, never above or left of it.
//
// Qt's lengths are logical pixels; with a fractional device pixel ratio (1.25 at 120 DPI) Qt
// rounds the window's position and size to the nearest device pixel, and the area's logical size
// was rounded from the device's. A frame that ends at the area's logical edge can so end a device
// pixel past the screen's: such a frame stands back a pixel.
QPoint Within(const QRect& area, QPoint topLeft, const QSize& size, const QMargins& frame, const QScreen* screen) {
  const QSize outer = size.grownBy(frame);
  topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - outer.width())));
  topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - outer.height())));
  const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
  if (ratio == 1.0) return topLeft;
  const QPoint origin = screen->geometry().topLeft();  // device positions count from the screen's
  const auto device = [ratio](int logical) { return qRound(logical * ratio); };
  // The area's end on the device (the end past its last pixel), and where the frame would end.
  const int endX = qFloor((area.right() + 1 - origin.x()) * ratio);
  const int endY = qFloor((area.bottom() + 1 - origin.y()) * ratio);
  const auto frameEndX = [&](int x) {
    return device(x + frame.left() - origin.x()) + device(size.width()) + device(frame.right());
  };
  const auto frameEndY = [&](int y) {
    return device(y + frame.top() - origin.y()) + device(size.height()) + device(frame.bottom());
  };
  while (topLeft.x() > area.left() && frameEndX(topLeft.x()) > endX) topLeft.rx() -= 1;
  while (topLeft.y() > area.top() && frameEndY(topLeft.y()) > endY) topLeft.ry() -= 1;
  return topLeft;
}

// Places the window so that its frame's top left corner is at the point. A window on the screen
// is moved (and resized only where it may be); a size it asked for may not have reached it yet.
void PlaceFrame(QWidget* window, const QPoint& frameTopLeft, const QSize& size, const QMargins& frame) {
  if (window->isVisible()) {
    if (Resizable(window) && size != window->size()) window->resize(size);
    const QPoint clientTopLeft = frameTopLeft + QPoint(frame.left(), frame.top());
    if (clientTopLeft != window->geometry().topLeft()) window->move(frameTopLeft);
    return;
  }
  const QRect wanted(frameTopLeft + QPoint(frame.left(), frame.top()), size);
  if (wanted != window->geometry() || !window->testAttribute(Qt::WA_Moved)) window->setGeometry(wanted);
}

// A resizable window no larger than the area leaves room for, nor below its minimum. A fixed
// window has its fixed size, which a window on the screen takes only when the window system
// answers.
QSize Bounded(const QWidget* window, const QRect& area, const QMargins& frame) {
  if (!Resizable(window)) return window->minimumSize();
  const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
  return window->size().boundedTo(area.size().shrunkBy(frame)).expandedTo(minimum);
}

// Fixes the window's size when it is shown, unless the window has fixed it already.
class SizeLock : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = qobject_cast<QWidget*>(watched);
    if (window && event->type() == QEvent::Show && Resizable(window)) window->setFixedSize(window->size());
    return false;
  }
};

class FrameWatch : public QObject {
 public:
  explicit FrameWatch(QWidget* window) : QObject(window), window_(window) {
    timer_.setInterval(25);
    connect(&timer_, &QTimer::timeout, this, [this] { check(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_) return false;
    if (event->type() == QEvent::Show) {
      tries_ = 0;
      if (Framed()) KeepOnScreen(window_);
      else timer_.start();
    } else if (event->type() == QEvent::Hide) {
      timer_.stop();
    } else if (event->type() == QEvent::Resize && event->spontaneous()) {
      return HoldFixedSize();
    }
    return false;
  }

 private:
  // A window manager that is slow to answer can report a fixed window's size from before the
  // window last fixed it (the size it had when mapped, say) after Qt has taken the new one: Qt
  // takes the old size back, and a move made then asks for it again. A fixed window keeps its
  // own size: it asks again, and the stale report goes no further. A manager that keeps
  // answering with another size is believed after a few asks.
  bool HoldFixedSize() {
    if (!window_->isVisible() || Resizable(window_)) return false;
    const QSize fixed = window_->minimumSize();
    // At a fractional scale the size comes back rounded to a whole device pixel.
    const qreal ratio = window_->devicePixelRatioF();
    const int slack = ratio == qFloor(ratio) ? 0 : 1;
    const QSize size = window_->size();
    if (std::abs(size.width() - fixed.width()) <= slack && std::abs(size.height() - fixed.height()) <= slack) {
      asks_ = 0;
      return false;
    }
    if (fixed != askedFor_) {
      askedFor_ = fixed;
      asks_ = 0;
    }
    if (++asks_ > 3) return false;
    window_->resize(fixed);
    return true;
  }

  // The window manager frames a window a little after it is mapped; until then its frame is
  // unknown. A window that gets no frame (no window manager) is left where it is.
  void check() {
    if (!window_ || !window_->isVisible() || ++tries_ > 80) {
      timer_.stop();
      return;
    }
    if (!Framed()) return;
    timer_.stop();
    KeepOnScreen(window_);
  }
  bool Framed() const {
    const QWindow* handle = window_->windowHandle();
    return handle && !handle->frameMargins().isNull();
  }
  QPointer<QWidget> window_;
  QTimer timer_;
  int tries_ = 0;
  QSize askedFor_;
  int asks_ = 0;
};
}  // namespace

bool ControlsKeepTheirHeight(QWidget* window) {
  if (QLayout* layout = window->layout()) layout->activate();
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->isWindow() || !w->isVisibleTo(window)) continue;
    int needed = w->minimumSizeHint().height();
    if (w->hasHeightForWidth()) needed = std::max(needed, w->heightForWidth(w->width()));
    if (w->minimumHeight() > 0 && w->maximumHeight() == w->minimumHeight()) needed = w->minimumHeight();
    if (w->height() < needed) return false;
  }
  return true;
}

int TwipsToPixels(const QWidget* widget, int twips, double scale) {
  double dpi = 96;
  if (widget) dpi = widget->logicalDpiY();
  else if (const QScreen* screen = QGuiApplication::primaryScreen()) dpi = screen->logicalDotsPerInchY();
  return qRound(twips * scale * dpi / 1440.0);
}

QRect FreeArea(const QWidget* window) {
  const QScreen* screen = ScreenOf(window);
  return screen ? screen->availableGeometry() : QRect();
}

QMargins FrameMargins(const QWidget* window) {
  auto framed = [](const QWidget* w) {
    const QWindow* handle = w->windowHandle();
    return handle && w->isVisible() ? handle->frameMargins() : QMargins();
  };
  if (const QMargins own = framed(window); !own.isNull()) return lastFrame() = own;
  for (const QWidget* other : QApplication::topLevelWidgets())
    if (const QMargins seen = framed(other); !seen.isNull() && !(other->windowFlags() & Qt::FramelessWindowHint))
      return lastFrame() = seen;
  return lastFrame();
}

void CentreOnScreen(QWidget* window) {
  const QRect area = FreeArea(window);
  if (area.isEmpty() || !window->isWindow()) return;
  const QMargins frame = FrameMargins(window);
  QSize size = Bounded(window, area, frame);
  // Smaller only where every control keeps the height it needs (a minimum size can count a
  // wrapped text's first line alone).
  if (size != window->size() && !window->isVisible()) {
    const QSize fitted = window->size();
    window->resize(size);
    if (!ControlsKeepTheirHeight(window)) {
      window->resize(fitted);
      size = fitted;
    }
  }
  const QSize outer = size.grownBy(frame);
  const QPoint centred = area.center() - QRect(QPoint(0, 0), outer).center();
  PlaceFrame(window, Within(area, centred, size, frame, ScreenOf(window)), size, frame);
}

void KeepOnScreen(QWidget* window) {
  const QRect area = FreeArea(window);
  if (area.isEmpty() || !window->isWindow()) return;
  const QMargins frame = FrameMargins(window);
  // A window on the screen is made smaller only down to the minimum size it sets itself: its
  // controls' heights can't be checked before the window system answers.
  QSize size = Bounded(window, area, frame);
  if (Resizable(window) && window->minimumSize().isNull()) size = window->size();
  const QPoint at = window->geometry().topLeft() - QPoint(frame.left(), frame.top());
  PlaceFrame(window, Within(area, at, size, frame, ScreenOf(window)), size, frame);
}

void SetFixedBorder(QWidget* window, bool minimizeButton) {
  Qt::WindowFlags flags = (window->windowFlags() & (Qt::WindowType_Mask | Qt::WindowStaysOnTopHint)) |
                          Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint;
  if (minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
  window->setWindowFlags(flags);
  if (window->findChild<QObject*>(kSizeLock, Qt::FindDirectChildrenOnly)) return;
  auto* lock = new SizeLock(window);
  lock->setObjectName(kSizeLock);
  window->installEventFilter(lock);
}

void KeepOnScreenWhenFramed(QWidget* window) {
  const QString platform = QApplication::platformName();
  if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal") || !window->isWindow()) return;
  if (window->findChild<QObject*>(kFrameWatch, Qt::FindDirectChildrenOnly)) return;
  auto* watch = new FrameWatch(window);
  watch->setObjectName(kFrameWatch);
  window->installEventFilter(watch);
}
}  // namespace ui
