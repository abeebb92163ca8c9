#include "dictionary/frm_numerology_dictionary_main.h"

#include <QEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "dictionary/internet_connection.h"
#include "dictionary/core/web_address.h"
#include "dictionary/frm_mdi.h"
#include "dictionary/web_view_loader.h"
#include "dictionary/webview/web_view_interface.h"
#include "services/text_rules.h"
#include "services/web_pages.h"
#include "ui/controls.h"
#include "ui/screen_fit.h"

namespace {
// Shows and hides the frame's sub-window with the window it holds.
class SubWindowFollower : public QObject {
 public:
  SubWindowFollower(QWidget* inner, QMdiSubWindow* sub) : QObject(inner), sub_(sub) {
    inner->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (!sub_) return false;
    if (event->type() == QEvent::ShowToParent) {
      sub_->show();
      sub_->raise();
    } else if (event->type() == QEvent::HideToParent) {
      sub_->hide();
    }
    return false;
  }

 private:
  QPointer<QMdiSubWindow> sub_;
};
}  // namespace

QMainWindow* frmNumerologyDictionaryMain::CreateWindow() {
  // A child of the frame: the frame is loaded and shown first.
  MDI& frame = MDI::instance();
  frame.Show();
  QMainWindow* w = Form::CreateWindow();
  w->setWindowFlags(Qt::Widget);
  sub_ = frame.mdiArea()->addSubWindow(w);
  sub_->setObjectName(QStringLiteral("frmNumerologyDictionaryMainSubWindow"));
  sub_->setAttribute(Qt::WA_DeleteOnClose);
  sub_->hide();
  new SubWindowFollower(w, sub_);
  ui::OnResize(w, [this] { Form_Resize(); });
  // The window is unloaded with its sub-window, and the sub-window goes with it.
  QObject::connect(w, &QObject::destroyed, sub_, [s = sub_] {
    if (s) s->deleteLater();
  });
  return w;
}

void frmNumerologyDictionaryMain::CreateControls(QMainWindow* w) {
  w->setWindowTitle(QStringLiteral("QZ Numerology Dictionary"));
  const auto px = [w](int twips) { return ui::TwipsToPixels(w, twips); };
  // The browser at the top left corner, sized by the resize; the notice in its place when
  // not connected.
  auto* central = new QWidget(w);
  lblCaption = new QLabel(QStringLiteral("You must be connected to the internet in order to use this software."),
                          central);
  lblCaption->setObjectName(QStringLiteral("lblCaption"));
  lblCaption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblCaption->setGeometry(px(240), 0, std::max(px(5805), lblCaption->sizeHint().width()),
                          std::max(px(195), lblCaption->sizeHint().height()));
  lblCaption->hide();
  WB = new QWidget(central);
  WB->setObjectName(QStringLiteral("WB"));
  WB->move(0, 0);
  auto* wbLayout = new QVBoxLayout(WB);
  wbLayout->setContentsMargins(0, 0, 0, 0);
  Text1 = new QPlainTextEdit(central);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setPlainText(WebSearchFormPage());
  Text1->hide();
  w->setCentralWidget(central);

  QString error;
  IWebViewFactory* factory = dictionary::WebViewFactory(&error);
  view_ = factory ? factory->CreateWebView(WB) : nullptr;
  if (view_) {
    view_->widget()->setObjectName(QStringLiteral("WBView"));
    wbLayout->addWidget(view_->widget());
  } else {
    auto* missing = new QLabel(QStringLiteral("The web view could not be started.\n") + error, WB);
    missing->setWordWrap(true);
    missing->setAlignment(Qt::AlignCenter);
    wbLayout->addWidget(missing);
  }
}

void frmNumerologyDictionaryMain::Form_Resize() {
  if (!IsLoaded() || !sub_ || !WB) return;
  const MDI::Metrics frame = MDI::instance().FrameMetrics();
  const auto px = [this](int twips) { return ui::TwipsToPixels(WB, twips); };
  // The window's own size; a minimized or maximized window keeps the size it has.
  if (!(sub_->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
    QSize size = sub_->size();
    const int width = frame.frame.width() - frame.picLeftWidth - px(250);
    if (width > 0) size.setWidth(width);
    if (frame.frame.height() > 0) size.setHeight(frame.frame.height());
    if (size != sub_->size()) sub_->resize(size);
  }
  // The browser: the window's inner width, and the frame's height less its panels.
  QSize browser = WB->size();
  if (QWidget* inner = window()->centralWidget()) browser.setWidth(inner->width());
  const int height = frame.frame.height() - frame.picTopHeight - frame.picBottomHeight - frame.tbHeight - px(750);
  if (height > 0) browser.setHeight(height);
  WB->resize(browser);
}

void frmNumerologyDictionaryMain::Form_Load() {
  Form_Resize();
  InternetConnected = dictionary::ConnectionTest() ? 1 : 0;
  if (InternetConnected != 1) {
    WB->hide();
    lblCaption->show();
    return;
  }
  WB->show();
  lblCaption->hide();
  if (DictionaryLink.isEmpty()) {
    DictionaryLink = SiteAddress;
  } else if (DictionaryLink == SearchEngineAddress()) {
    const QString text = TrimBlanks(MDI::instance().SearchBoxText());
    webSearch(text);
    Navigate(text);
    DictionaryLink.clear();
    return;
  }
  Navigate(DictionaryLink);
  DictionaryLink.clear();
}

void frmNumerologyDictionaryMain::Form_Unload() {
  view_ = nullptr;
  if (sub_) sub_->hide();
}

void frmNumerologyDictionaryMain::webSearch(const QString& text) {
  if (!view_) return;
  view_->SubmitForm(Text1 ? Text1->toPlainText() : WebSearchFormPage(), QUrl(SearchEngineAddress() + "/"),
                    QStringLiteral("q"), text, QStringLiteral("sa"));
}

void frmNumerologyDictionaryMain::Navigate(const QString& address) {
  Load();
  // The request that caused a load carries an empty address: the load has navigated already.
  if (address.isEmpty() || !view_) return;
  if (address == SearchEngineAddress()) {
    webSearch(TrimBlanks(MDI::instance().SearchBoxText()));
    return;
  }
  // Links come from the dictionary and its update files: only web addresses are followed.
  if (!IsWebAddress(address)) return;
  view_->Navigate(QUrl(address, QUrl::StrictMode));
}

void frmNumerologyDictionaryMain::ToolbarRequest(const QString& key) {
  Load();
  if (!view_) return;
  if (key == QLatin1String("Back")) {
    if (view_->CanGoBack()) view_->Back();
  } else if (key == QLatin1String("Forward")) {
    view_->Forward();
  } else if (key == QLatin1String("Refresh")) {
    view_->Reload();
  } else if (key == QLatin1String("Home")) {
    view_->Navigate(QUrl(SiteAddress));
  } else if (key == QLatin1String("Search")) {
    view_->SetHtml(Text1 ? Text1->toPlainText() : WebSearchFormPage(), QUrl(SearchEngineAddress() + "/"));
  } else if (key == QLatin1String("Stop")) {
    view_->Stop();
  }
}

QMdiSubWindow* frmNumerologyDictionaryMain::subWindow() const { return sub_; }
