// The dictionary's browser: a QWebEngineView behind IWebView. Every request it makes goes
// through the in-process proxy of guard_proxy.h, which refuses addresses of this machine and its
// local network once the name is resolved; requests to such hosts by name are refused first.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <atomic>

#include "dictionary/core/local_host.h"
#include "dictionary/webview/guard_proxy.h"
#include "dictionary/webview/web_view_interface.h"

namespace {
// How many requests were refused for their host's form.
std::atomic<int> refusedByNameCount{0};

// Whether a request goes to a host of this machine or its network by the host's form (an
// address, localhost, a dotless name), or to a file. Other schemes of no host (the view's own
// pages of text, a page's blobs) stay within the page.
bool refusedByName(const QUrl& url) {
  const QString scheme = url.scheme();
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ws") ||
      scheme == QLatin1String("wss"))
    return dictionary::NamesLocalHost(url.toString(QUrl::FullyEncoded));
  return scheme == QLatin1String("file") || scheme == QLatin1String("qrc");
}

// Every request of a page (navigations, redirects, frames, scripts' requests, images, ...).
class NameGuard final : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    if (!refusedByName(info.requestUrl())) return;
    ++refusedByNameCount;
    info.block(true);
  }
};

// Goes only to web pages: http and https, and the page of text that the view itself shows.
// Every other scheme (file, mailto, smb, a desktop handler) is refused, and unknown schemes
// never reach the desktop.
class WebPage final : public QWebEnginePage {
 public:
  explicit WebPage(QObject* parent) : QWebEnginePage(parent), guard_(this) {
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    // WebRTC goes through the proxy or not at all, and shows no address of the local network.
    settings()->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
    setUrlRequestInterceptor(&guard_);
  }
  // The next navigation to a data address is the view's own page of text.
  void expectOwnPage() { ownPage_ = true; }

 protected:
  // A page shows no dialog of its own: alerts are dropped, confirm and prompt answered as
  // cancelled, and the question before leaving a page answered by leaving it.
  void javaScriptAlert(const QUrl&, const QString&) override {}
  bool javaScriptConfirm(const QUrl&, const QString& message) override {
    // The engine asks its leave-page question through confirm, in this text.
    return message == QCoreApplication::translate(
                          "QWebEnginePage",
                          "Are you sure you want to leave this page? Changes that you made may not be saved.");
  }
  bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override { return false; }

  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
      if (!refusedByName(url)) return true;
      ++refusedByNameCount;
      return false;
    }
    if (ownPage_ && isMainFrame && scheme == QLatin1String("data") && type == NavigationTypeTyped) {
      ownPage_ = false;
      return true;
    }
    return false;
  }

 private:
  NameGuard guard_;
  bool ownPage_ = false;
};

class WebView final : public QObject, public IWebView {
 public:
  explicit WebView(QWidget* parent) : view_(new QWebEngineView(parent)), page_(new WebPage(view_)) {
    setParent(view_);
    view_->setPage(page_);
    connect(view_, &QWebEngineView::loadFinished, this, [this](bool ok) {
      if (!pendingScript_.isEmpty()) {
        const QString script = pendingScript_;
        pendingScript_.clear();
        view_->page()->runJavaScript(script);
      }
      if (handler_) handler_(ok);
    });
  }

  QWidget* widget() override { return view_; }
  void Navigate(const QUrl& url) override {
    pendingScript_.clear();
    view_->setUrl(url);
  }
  void Back() override { view_->back(); }
  void Forward() override { view_->forward(); }
  void Reload() override { view_->reload(); }
  void Stop() override { view_->stop(); }

  void SetHtml(const QString& html, const QUrl& baseUrl) override {
    pendingScript_.clear();
    page_->expectOwnPage();
    view_->setHtml(html, baseUrl);
  }

  void SubmitForm(const QString& html, const QUrl& baseUrl, const QString& field, const QString& value,
                  const QString& button) override {
    // The arguments travel as one JSON array, so no text of theirs is read as script.
    const QJsonArray args{field, value, button};
    const QString json = QString::fromUtf8(QJsonDocument(args).toJson(QJsonDocument::Compact));
    pendingScript_ = QStringLiteral(
                         "(function(a){var f=document.getElementsByName(a[0])[0];"
                         "var b=document.getElementsByName(a[2])[0];"
                         "if(f){f.value=a[1];}if(b){b.click();}})(%1);")
                         .arg(json);
    page_->expectOwnPage();
    view_->setHtml(html, baseUrl);
  }

  QUrl Url() const override { return view_->url(); }
  bool CanGoBack() const override { return view_->history()->canGoBack(); }
  void SetLoadFinishedHandler(std::function<void(bool)> handler) override { handler_ = std::move(handler); }

 private:
  QWebEngineView* view_;
  WebPage* page_;
  QString pendingScript_;
  std::function<void(bool)> handler_;
};
}  // namespace

class WebViewFactory final : public QObject, public IWebViewFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID IWebViewFactory_iid)
  Q_INTERFACES(IWebViewFactory)

 public:
  IWebView* CreateWebView(QWidget* parent) override {
    if (!startProxy()) return nullptr;
    return new WebView(parent);
  }

  void SetTestNetwork(std::function<QStringList(const QString&)> resolve,
                      std::function<QString(const QString&)> route) override {
    webguard::Network network;
    if (resolve)
      network.resolve = [resolve](const QString& host, QObject* context, auto done) {
        QList<QHostAddress> addresses;
        for (const QString& text : resolve(host)) addresses.append(QHostAddress(text));
        QTimer::singleShot(0, context, [done, addresses] { done(addresses); });
      };
    if (route) network.route = [route](const QHostAddress& address) { return QHostAddress(route(address.toString())); };
    network_ = network;
    if (proxy_) proxy_->SetNetwork(network_);
  }
  int RefusedRequests() const override { return refusedByNameCount + (proxy_ ? proxy_->Refused() : 0); }

 private:
  // The proxy, and the browser's command line pointed at it before the browser's first page
  // (which reads it once). The line is put back as it was once read, so that no program started
  // later inherits it.
  bool startProxy() {
    if (proxy_) return true;
    if (started_) return false;  // the proxy is gone with the application: no browser without it
    started_ = true;
    auto* proxy = new webguard::GuardProxy(QCoreApplication::instance());
    if (!proxy->Listen()) {
      delete proxy;
      return false;
    }
    proxy->SetNetwork(network_);
    proxy_ = proxy;
    const bool hadFlags = qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS");
    const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", webguard::BrowserFlags(flags, proxy->Port()));
    delete new QWebEnginePage();  // the browser starts here and reads its command line
    if (hadFlags)
      qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    else
      qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    return true;
  }

  QPointer<webguard::GuardProxy> proxy_;
  webguard::Network network_;
  bool started_ = false;
};

#include "web_view_plugin.moc"
