#include "ui/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <xcb/xcb.h>

#include "ui/controls.h"
#include "ui/plain_text.h"
#include "ui/screen_fit.h"
#include "ui/style.h"

namespace ui {
namespace {
QList<Form*>& loaded() {
  static QList<Form*> forms;
  return forms;
}
std::function<void(Form&)>& modalHandler() {
  static std::function<void(Form&)> h;
  return h;
}
std::function<void(int)>& endHandler() {
  static std::function<void(int)> h;
  return h;
}

// Sizes a freshly loaded window to what its controls need at the current fonts: the layout's
// size hint, never below its minimum, with the height word-wrapped text needs at the chosen
// width. A size the load handler set is kept, grown only where the controls need more.
// No cap to a part of the screen: larger text makes larger windows.
void FitToContents(QMainWindow* w) {
  w->ensurePolished();
  if (QLayout* layout = w->layout()) layout->activate();
  const QSize minimum = w->minimumSizeHint().expandedTo(w->minimumSize());
  const bool setWhileLoading = w->testAttribute(Qt::WA_Resized);
  const QSize size = setWhileLoading ? w->size() : w->sizeHint();
  w->resize(size.expandedTo(minimum));
  // Wrapped text: the height the layout wants at the width the window got. More than the size
  // hint where the text needs more lines; less only where every control still has the height
  // it needs (a grid's estimate for text spanning rows can fall short), and never less than a
  // size set while loading.
  for (int pass = 0; pass < 4; ++pass) {
    if (QLayout* layout = w->layout()) layout->activate();
    QWidget* central = w->centralWidget();
    if (!central || !central->hasHeightForWidth()) break;
    const int change = central->heightForWidth(central->width()) - central->height();
    if (change == 0) break;
    const QSize before = w->size();
    if (change < 0) {
      if (setWhileLoading) break;
      w->resize(before.width(), before.height() + change);
      if (QLayout* layout = w->layout()) layout->activate();
      if (!ControlsKeepTheirHeight(w)) w->resize(before);
      break;
    }
    w->resize(before.width(), before.height() + change);
    if (w->size() == before) break;  // a fixed height
  }
}

// Every layout of the window laid out again at once, outer ones first, as a show would (a
// hidden window's resize does not reach its layouts by itself).
void LayOutNow(QMainWindow* w) {
  QList<QLayout*> layouts = w->findChildren<QLayout*>();
  if (QLayout* layout = w->layout(); layout && !layouts.contains(layout)) layouts.prepend(layout);
  for (QLayout* layout : layouts) {
    layout->invalidate();
    layout->activate();
  }
}

// True when every control lies inside its parent and the window, with the height its contents
// need.
bool ControlsShowWhole(QMainWindow* w) {
  LayOutNow(w);
  for (QWidget* c : w->findChildren<QWidget*>()) {
    if (c->isWindow() || !c->isVisibleTo(w)) continue;
    if (!c->parentWidget()->rect().contains(c->geometry())) return false;
    if (!w->rect().contains(QRect(c->mapTo(w, QPoint(0, 0)), c->size()))) return false;
  }
  return ControlsKeepTheirHeight(w);
}

// The smallest size a resizable window may be dragged to keeps every control showing: the
// layout's minimum width, and the height the controls need at that width (wrapped text needs
// the most lines there). Windows placing their controls by hand keep the minimum they set.
void KeepControlsShowing(QMainWindow* w) {
  QWidget* central = w->centralWidget();
  if (!central || !central->layout() || w->minimumSize() == w->maximumSize()) return;
  const QSize fitted = w->size();
  LayOutNow(w);
  const QSize laidOut = w->layout() ? w->layout()->totalMinimumSize() : QSize();
  const int width = std::max({w->minimumSizeHint().width(), w->minimumWidth(), laidOut.width()});
  int low = std::max({w->minimumSizeHint().height(), w->minimumHeight(), laidOut.height()});
  int high = std::max(fitted.height(), low);
  w->resize(width, low);
  if (!ControlsShowWhole(w)) {
    // The lowest height at which everything shows, between the layout's minimum and the
    // height the window was fitted to.
    while (high - low > 1) {
      const int middle = (low + high) / 2;
      w->resize(width, middle);
      if (ControlsShowWhole(w)) high = middle;
      else low = middle;
    }
    low = high;
  }
  w->setMinimumSize(width, low);
  w->resize(fitted.expandedTo(QSize(width, low)));
  LayOutNow(w);
}

// The window a modal show belongs to: the active window, else the most recently loaded window
// of the suite that is on the screen.
QWidget* ModalOwner(QMainWindow* modal) {
  QWidget* active = QApplication::activeWindow();
  if (active && active != modal && active->isVisible()) return active->window();
  QWidget* owner = nullptr;
  for (Form* form : loaded()) {
    if (!form->IsVisible()) continue;
    QMainWindow* w = form->window();
    if (w != modal) owner = w;
  }
  return owner;
}

// A modal window is a dialog of its owner for the window manager: no taskbar entry of its own,
// kept above the owner. Only top-level windows take part: a window shown inside another (the
// dictionary's child window) has no place with the window manager, and asking a child widget
// for its native handle would make it and its ancestors native windows, which Qt's OpenGL
// composition (the web view) cannot paint.
void SetTransientParent(QMainWindow* w, QWidget* owner) {
  if (!w->isWindow()) return;
  w->winId();  // the native window exists from here on
  QWindow* handle = w->windowHandle();
  if (!handle) return;
  QWindow* ownerHandle = nullptr;
  if (owner) {
    owner = owner->window();
    owner->winId();
    ownerHandle = owner->windowHandle();
  }
  handle->setTransientParent(ownerHandle);
}

// On X11, Qt writes a window's owner (WM_TRANSIENT_FOR) only for windows of a dialog type, and
// removes it at every show of any other: a main window shown modal gets it here, once shown.
// Without it the window manager does not keep the modal window above its owner.
void TellWindowManagerTheOwner(QMainWindow* w) {
  if (!w->isWindow() || QGuiApplication::platformName() != QLatin1String("xcb")) return;
  const QWindow* handle = w->windowHandle();
  const QWindow* owner = handle ? handle->transientParent() : nullptr;
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (!owner || !connection) return;
  const auto window = static_cast<xcb_window_t>(handle->winId());
  const auto ownerWindow = static_cast<xcb_window_t>(owner->winId());
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1,
                      &ownerWindow);
  xcb_flush(connection);
}
}  // namespace

FormWindow::FormWindow(Form* form) : form_(form) { setAttribute(Qt::WA_DeleteOnClose, false); }

void FormWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  form_->Unload();
}

Form::Form(QString className) : className_(std::move(className)) {}

Form::~Form() { loaded().removeAll(this); }

QList<Form*> Form::LoadedForms() { return loaded(); }

bool Form::IsVisible() const { return window_ && window_->isVisible(); }

QMainWindow* Form::window() {
  Load();
  return window_;
}

QMainWindow* Form::CreateWindow() { return new FormWindow(this); }

void Form::Load() {
  if (window_ || loading_) return;
  EnsureSuiteStyle();
  KeepShownTextPlain();
  loading_ = true;
  QMainWindow* w = CreateWindow();
  w->setObjectName(className_);
  window_ = w;
  loaded().append(this);
  CreateControls(w);
  KeepTextBoxManners(w);
  YieldAccessKeysToMenuBar(w);
  loading_ = false;
  Form_Load();
  // Sized and centred once the load handler has filled the controls.
  if (window_ != w || w->isVisible()) return;
  const bool ownMinimum = !w->minimumSize().isNull();  // set by the window itself: kept
  FitToContents(w);
  if (!ownMinimum) KeepControlsShowing(w);
  CentreOnScreen(w);
  KeepOnScreenWhenFramed(w);
}

void Form::Show() {
  Load();
  if (!window_) return;
  if (modalDepth_ == 0) {
    window_->setWindowModality(Qt::NonModal);
    SetTransientParent(window_, nullptr);
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void Form::ShowModal() {
  Load();
  if (!window_) return;
  ++modalDepth_;
  if (!window_->isVisible()) SetTransientParent(window_, ModalOwner(window_));
  if (modalHandler()) {
    window_->show();
    TellWindowManagerTheOwner(window_);
    modalHandler()(*this);
    --modalDepth_;
    return;
  }
  window_->hide();
  window_->setWindowModality(Qt::ApplicationModal);
  window_->show();
  TellWindowManagerTheOwner(window_);
  window_->raise();
  window_->activateWindow();
  QEventLoop loop;
  modalLoops_.append(&loop);
  loop.exec(QEventLoop::DialogExec);
  modalLoops_.removeAll(&loop);
  --modalDepth_;
  if (window_ && modalDepth_ == 0 && !window_->isVisible()) window_->setWindowModality(Qt::NonModal);
}

void Form::quitModalLoops() {
  for (QEventLoop* loop : modalLoops_) loop->quit();
}

void Form::Hide() {
  Load();
  if (!window_) return;
  window_->hide();
  if (modalLoops_.isEmpty() && modalDepth_ == 0) window_->setWindowModality(Qt::NonModal);
  quitModalLoops();
}

void Form::Unload() {
  if (!window_ || unloading_) return;
  unloading_ = true;
  Form_Unload();
  unloading_ = false;
  QMainWindow* w = window_;
  window_ = nullptr;
  loaded().removeAll(this);
  w->hide();
  w->deleteLater();
  quitModalLoops();
}

void SetModalHandler(std::function<void(Form&)> handler) { modalHandler() = std::move(handler); }

namespace {
std::vector<std::function<void()>>& instances() {
  static std::vector<std::function<void()>> releases;
  return releases;
}
}  // namespace

void KeepInstance(std::function<void()> release) { instances().push_back(std::move(release)); }

void ForgetAllForms() {
  // An unload handler may load another window: a few passes.
  for (int pass = 0; pass < 4 && !loaded().isEmpty(); ++pass)
    for (Form* form : QList<Form*>(loaded())) form->Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  std::vector<std::function<void()>> releases;
  releases.swap(instances());
  for (auto it = releases.rbegin(); it != releases.rend(); ++it) (*it)();
}

void EndProcessNow(int code) {
  std::fflush(nullptr);
  std::_Exit(code);
}

void EndProcess(int code) {
  if (endHandler()) {
    endHandler()(code);
    return;
  }
  EndProcessNow(code);
}

void SetEndProcessHandler(std::function<void(int)> handler) { endHandler() = std::move(handler); }
}  // namespace ui
