#pragma once
// The embedded browser as the dictionary uses it. The browser itself lives in a plugin
// loaded on first use, so that the program links no web engine.
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QtPlugin>
#include <functional>

class QWidget;

class IWebView {
 public:
  virtual ~IWebView() = default;
  virtual QWidget* widget() = 0;

  virtual void Navigate(const QUrl& url) = 0;
  virtual void Back() = 0;
  virtual void Forward() = 0;
  virtual void Reload() = 0;
  virtual void Stop() = 0;

  // Shows a page of the given text.
  virtual void SetHtml(const QString& html, const QUrl& baseUrl) = 0;
  // Replaces the current document by a page of the given text, then sets the value of the
  // first element named `field` and clicks the first element named `button` once the page
  // is ready. The value reaches the page as a script argument, never as script text.
  virtual void SubmitForm(const QString& html, const QUrl& baseUrl, const QString& field,
                          const QString& value, const QString& button) = 0;

  virtual QUrl Url() const = 0;
  virtual bool CanGoBack() const = 0;
  // Called after each page load ends (true when it succeeded).
  virtual void SetLoadFinishedHandler(std::function<void(bool)> handler) = 0;
};

class IWebViewFactory {
 public:
  virtual ~IWebViewFactory() = default;
  // A new browser widget with the given parent; the IWebView lives as long as its widget.
  virtual IWebView* CreateWebView(QWidget* parent) = 0;

  // Tests: the network as the browser's proxy is to see it. `resolve` gives the addresses of a
  // host name (as text) in place of the resolver; `route` the address a connection to a checked
  // address goes to instead. Null functions: the real resolver and addresses.
  virtual void SetTestNetwork(std::function<QStringList(const QString& host)> resolve,
                              std::function<QString(const QString& address)> route) = 0;
  // How many requests the browser has refused for their host or address.
  virtual int RefusedRequests() const = 0;
};

#define IWebViewFactory_iid "com.qzorbalinth.dictionary.WebViewFactory/1.1"
Q_DECLARE_INTERFACE(IWebViewFactory, IWebViewFactory_iid)
