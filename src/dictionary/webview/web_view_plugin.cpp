// The dictionary's browser: a QWebEngineView behind IWebView.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QObject>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "dictionary/webview/web_view_interface.h"

namespace {
// Goes only to web pages: http and https, and the page of text that the view itself shows.
// Every other scheme (file, mailto, smb, a desktop handler) is refused, and unknown schemes
// never reach the desktop.
class WebPage final : public QWebEnginePage {
 public:
  explicit WebPage(QObject* parent) : QWebEnginePage(parent) {
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
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
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) return true;
    if (ownPage_ && isMainFrame && scheme == QLatin1String("data") && type == NavigationTypeTyped) {
      ownPage_ = false;
      return true;
    }
    return false;
  }

 private:
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
  IWebView* CreateWebView(QWidget* parent) override { return new WebView(parent); }
};

#include "web_view_plugin.moc"
