// The real browser plugin against a small HTTP server of the test on 127.0.0.1 (and [::1]). The
// browser reaches it as a public server: the test network resolves site.example to a public
// address and routes the connections to that address here; rebind.example and rebind6.example
// resolve to 127.0.0.1 and ::1 as a stranger's name could.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QToolBar>
#include <QTimer>
#include <QUrlQuery>

#include "common/test_support.h"
#include "dictionary/core/web_address.h"
#include "dictionary/dictionary_test_support.h"
#include "dictionary/frm_mdi.h"
#include "dictionary/frm_numerology_dictionary_main.h"
#include "dictionary/web_view_loader.h"

using namespace dicttest;

namespace {
// Answers every GET with a page whose title is the request's path (or a page or redirect of its
// own), on 127.0.0.1 and [::1] at one port; records the requests.
class PageServer : public QObject {
 public:
  PageServer() {
    server_.listen(QHostAddress::LocalHost);
    server6_.listen(QHostAddress::LocalHostIPv6, server_.serverPort());
    for (QTcpServer* server : {&server_, &server6_}) serve(server);
  }
  // The address of the test's public site.
  QString address() const { return QStringLiteral("http://site.example:%1").arg(server_.serverPort()); }
  quint16 port() const { return server_.serverPort(); }
  bool listensOnIpv6() const { return server6_.isListening(); }
  bool waitFor(const QString& pathStart) {
    return QTest::qWaitFor(
        [&] {
          for (const QString& r : requests)
            if (r.startsWith(pathStart)) return true;
          return false;
        },
        20000);
  }
  QString request(const QString& pathStart) const {
    for (const QString& r : requests)
      if (r.startsWith(pathStart)) return r;
    return {};
  }
  QStringList requests;
  // Pages of their own by path; every other path gets a page titled with it.
  QHash<QString, QByteArray> pages;
  // Paths answered with a redirect (302) to an address.
  QHash<QString, QString> redirects;

 private:
  void serve(QTcpServer* server) {
    connect(server, &QTcpServer::newConnection, this, [this, server] {
      while (QTcpSocket* socket = server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
          buffer_[socket] += socket->readAll();
          if (!buffer_[socket].contains("\r\n\r\n")) return;
          const QByteArray line = buffer_[socket].left(buffer_[socket].indexOf("\r\n"));
          buffer_.remove(socket);
          const QString target = QString::fromLatin1(line.split(' ').value(1));
          requests.append(target);
          if (redirects.contains(target)) {
            socket->write("HTTP/1.1 302 Found\r\nLocation: " + redirects.value(target).toUtf8() +
                          "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            return;
          }
          const QByteArray body = pages.contains(target)
                                      ? pages.value(target)
                                      : "<html><head><title>" + target.toUtf8().toPercentEncoding("/") +
                                            "</title></head><body>page</body></html>";
          socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: " +
                        QByteArray::number(body.size()) + "\r\n\r\n" + body);
          socket->disconnectFromHost();
        });
      }
    });
  }
  QTcpServer server_, server6_;
  QHash<QTcpSocket*, QByteArray> buffer_;
};

// Records the addresses that reach the desktop's handlers of a scheme.
class DesktopHandler : public QObject {
  Q_OBJECT
 public:
  explicit DesktopHandler(const QStringList& schemes) : schemes_(schemes) {
    for (const QString& scheme : schemes_) QDesktopServices::setUrlHandler(scheme, this, "open");
  }
  ~DesktopHandler() override {
    for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
  }
  QStringList opened;

 public slots:
  void open(const QUrl& url) { opened.append(url.toString()); }

 private:
  QStringList schemes_;
};

class DictionaryWebView : public DictionaryTest {
 protected:
  void SetUp() override {
    DictionaryTest::SetUp();
    dictionary::SetWebViewFactory(nullptr);
    dictionary::SetWebViewPluginFolder(qztest::BuiltProgramFolder());
    ASSERT_TRUE(dictionary::WebViewFactory());
    dictionary::WebViewFactory()->SetTestNetwork(
        [](const QString& host) {
          static const QHash<QString, QStringList> names = {
              {"site.example", {"203.0.113.7"}}, {"rebind.example", {"127.0.0.1"}}, {"rebind6.example", {"::1"}}};
          return names.value(host);
        },
        [](const QString&) { return QStringLiteral("127.0.0.1"); });
    SetSearchEngineAddress(server.address());
    WriteDictionary(programDictionary(),
                    {{"Lo Shu", server.address() + "/lo-shu", "chinese"}, {"Soul Urge", server.address(), "reading"}});
  }
  void TearDown() override {
    // What a page still asks for after the test finds no name at all.
    if (IWebViewFactory* factory = dictionary::WebViewFactory())
      factory->SetTestNetwork([](const QString&) { return QStringList(); }, nullptr);
    DictionaryTest::TearDown();
  }
  IWebView* view() { return frmNumerologyDictionaryMain::instance().browser(); }
  // Waits until a page load of the given path has finished.
  bool waitForPage(const QString& path) {
    return QTest::qWaitFor([&] { return loaded.contains(path) && view()->Url().path() == path; }, 20000) &&
           (loaded.clear(), true);
  }
  void watchLoads() {
    view()->SetLoadFinishedHandler([this](bool ok) {
      loaded.append(view()->Url().path());
      if (ok) shown.append(view()->Url().path());
    });
  }
  // Paths of the finished loads, and of those that succeeded.
  QStringList loaded, shown;
  // The paths the server was asked for, in order, without the browser's icon requests.
  QStringList requestedPaths() const {
    QStringList paths;
    for (const QString& r : server.requests) paths.append(QUrl(r).path());
    paths.removeAll("/favicon.ico");
    return paths;
  }
  // A double click on the keyword of the row.
  void display(int row) {
    auto* list = MDI::instance().control<QListView>("lstKeys");
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
  }
  PageServer server;
};

namespace {
// Presses the frame's toolbar button that carries this key.
::testing::AssertionResult clickToolbarButton(const QString& key) {
  auto* toolbar = MDI::instance().control<QToolBar>("TB");
  for (QAction* action : toolbar->actions())
    if (action->data().toString() == key) return qztest::Click(toolbar->widgetForAction(action));
  return ::testing::AssertionFailure() << "no toolbar button " << key.toStdString();
}
}  // namespace

TEST_F(DictionaryWebView, ShowsEntriesWalksHistoryAndSearches) {
  WebViewLink() = server.address() + "/first";
  frmNumerologyDictionaryMain::instance().Show();
  ASSERT_TRUE(view());
  watchLoads();
  ASSERT_TRUE(waitForPage("/first"));
  display(0);
  ASSERT_TRUE(waitForPage("/lo-shu"));
  ASSERT_TRUE(clickToolbarButton("Back"));
  EXPECT_TRUE(waitForPage("/first"));
  ASSERT_TRUE(clickToolbarButton("Forward"));
  EXPECT_TRUE(waitForPage("/lo-shu"));
  // The search form, with a search text that must not be read as script or markup.
  const QString tricky = QStringLiteral("Soul \"Urge'</script><b>&x=1\\");
  ASSERT_TRUE(qztest::Enter(MDI::instance().control<QLineEdit>("txtKey"), tricky));
  frmNumerologyDictionaryMain::instance().Navigate(SearchEngineAddress());
  ASSERT_TRUE(server.waitFor("/custom?"));
  const QUrlQuery query(QUrl(server.address() + server.request("/custom?")));
  EXPECT_EQ(query.queryItemValue("q", QUrl::FullyDecoded).replace('+', ' '), tricky);
  EXPECT_EQ(query.queryItemValue("sa"), "Search");
  EXPECT_EQ(query.queryItemValue("forid"), "1");
  EXPECT_EQ(query.queryItemValue("ie"), "ISO-8859-1");
  EXPECT_EQ(query.queryItemValue("hl"), "en");
  EXPECT_TRUE(query.queryItemValue("cof", QUrl::FullyDecoded).startsWith("GALT:#008000;GL:1;"));
}

TEST_F(DictionaryWebView, NotConnectedShowsTheNoticeAndKeepsTheLink) {
  connected = false;
  WebViewLink() = server.address() + "/kept";
  frmNumerologyDictionaryMain::instance().Show();
  // A page the test then opens in the view comes first, and alone: the window asked for none
  // (one it had asked for would have loaded, or ended as the test's began).
  ASSERT_TRUE(view());
  watchLoads();
  view()->Navigate(QUrl(server.address() + "/probe"));
  ASSERT_TRUE(qztest::WaitFor([&] { return loaded.contains("/probe"); }, 20000));
  EXPECT_EQ(loaded, QStringList({"/probe"}));
  EXPECT_EQ(requestedPaths(), QStringList({"/probe"}));
  EXPECT_EQ(WebViewLink(), server.address() + "/kept");
  frmNumerologyDictionaryMain::instance().Unload();
  connected = true;
  frmNumerologyDictionaryMain::instance().Show();
  EXPECT_TRUE(server.waitFor("/kept"));
}

TEST_F(DictionaryWebView, FollowsWebLinksOnlyAndHandsNothingToTheDesktop) {
  DesktopHandler desktop({"smb", "mailto", "qzcustom"});
  // One link a row, 40 pixels high, in the order they are clicked; the last is a web page.
  // Below them a probe, a web page clicked after each refused link: the page clicks are taken
  // in order, so once the probe has loaded, the link clicked before it has done all it will.
  const QStringList links = {"smb://host/share", "mailto:someone@example.org", "qzcustom:open",
                             "file:///etc/hostname", "javascript:location.href='smb://host/script'",
                             "data:text/html,<title>data</title>", "/followed"};
  QByteArray page = "<html><body style='margin:0'>";
  for (const QString& link : links + QStringList{"/probe"})
    page += "<a style='display:block;height:40px;margin:0' href=\"" + link.toUtf8() + "\">" + link.toUtf8() + "</a>";
  page += "</body></html>";
  // The page again under a new address each time, so that no cache answers for the server.
  for (int row = 0; row < links.size(); ++row) server.pages.insert("/links?" + QString::number(row), page);
  server.pages.insert("/links", page);
  WebViewLink() = server.address() + "/links";
  frmNumerologyDictionaryMain::instance().Show();
  // The frame at the size of its load (the test's screen may be smaller).
  MDI::instance().window()->resize(MDI::instance().DefaultSize());
  qztest::Activate(MDI::instance().window());
  ASSERT_TRUE(view());
  watchLoads();
  ASSERT_TRUE(waitForPage("/links"));
  shown.clear();
  auto click = [&](int row) {
    QWidget* surface = view()->widget()->focusProxy();
    ASSERT_TRUE(surface);
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(20, row * 40 + 20));
  };
  QStringList expectedShown;
  QStringList expectedPaths = {"/links"};
  for (int row = 0; row + 1 < links.size(); ++row) {
    SCOPED_TRACE(links[row].toStdString());
    click(row);
    click(int(links.size()));
    ASSERT_TRUE(waitForPage("/probe"));
    view()->Navigate(QUrl(server.address() + "/links?" + QString::number(row)));
    ASSERT_TRUE(waitForPage("/links"));
    expectedShown << "/probe" << "/links";
    expectedPaths << "/probe" << "/links";
  }
  click(int(links.size()) - 1);
  ASSERT_TRUE(qztest::WaitFor([&] { return loaded.contains("/followed"); }, 20000));
  // The view went from the page of links to the probe and back, and to the web page, to
  // nothing in between.
  EXPECT_EQ(view()->Url().path(), "/followed");
  EXPECT_EQ(shown, expectedShown + QStringList{"/followed"});
  EXPECT_TRUE(desktop.opened.isEmpty()) << desktop.opened.join(' ').toStdString();
  EXPECT_EQ(requestedPaths(), expectedPaths + QStringList{"/followed"});
}

// A public page cannot lead the view into this machine: redirects, script navigations, frames,
// scripts, images and a script's own requests to 127.0.0.1, [::1] and to names that resolve there
// are all refused, and the server here never gets them. The view itself goes on to other pages.
TEST_F(DictionaryWebView, NothingOfAPublicPageReachesThisMachine) {
  ASSERT_TRUE(server.listensOnIpv6());
  const QString port = QString::number(server.port());
  const QStringList hosts = {"127.0.0.1:" + port, "[::1]:" + port, "rebind.example:" + port,
                             "rebind6.example:" + port};
  IWebViewFactory* factory = dictionary::WebViewFactory();
  frmNumerologyDictionaryMain::instance().Show();
  ASSERT_TRUE(view());
  watchLoads();
  int probes = 0;
  // The view goes to a page of the site, and so past whatever the last page was doing.
  auto probe = [&] {
    const QString path = "/probe-" + QString::number(++probes);
    view()->Navigate(QUrl(server.address() + path));
    return waitForPage(path);
  };
  ASSERT_TRUE(probe());
  // Refused requests are counted as the browser refuses them: each case waits for its own.
  auto refusedAfter = [&](int before, int count) {
    return qztest::WaitFor([&] { return factory->RefusedRequests() >= before + count; }, 20000);
  };
  for (int i = 0; i < hosts.size(); ++i) {
    SCOPED_TRACE(hosts[i].toStdString());
    const QString n = QString::number(i);
    // A redirect (302) of the site into this machine.
    server.redirects.insert("/redirect-" + n, "http://" + hosts[i] + "/hit-redirect-" + n);
    int before = factory->RefusedRequests();
    view()->Navigate(QUrl(server.address() + "/redirect-" + n));
    EXPECT_TRUE(refusedAfter(before, 1));
    ASSERT_TRUE(probe());
    // A script's navigation.
    server.pages.insert("/navigate-" + n, "<html><body><script>location.href='http://" + hosts[i].toUtf8() +
                                              "/hit-navigate-" + n.toUtf8() + "';</script></body></html>");
    before = factory->RefusedRequests();
    view()->Navigate(QUrl(server.address() + "/navigate-" + n));
    EXPECT_TRUE(refusedAfter(before, 1));
    ASSERT_TRUE(probe());
  }
  // A frame, a script, an image and a script's request to each; the page goes on once all of
  // them are done.
  QByteArray page = "<html><body>";
  for (const QString& host : hosts) {
    const QByteArray base = "http://" + host.toUtf8() + "/hit-";
    page += "<iframe src='" + base + "frame'></iframe><script src='" + base + "script'></script><img src='" + base +
            "image'>";
  }
  page += "<script>addEventListener('load',function(){Promise.all(" +
          QJsonDocument(QJsonArray::fromStringList(hosts)).toJson(QJsonDocument::Compact) +
          ".map(function(h){return fetch('http://'+h+'/hit-fetch',{mode:'no-cors'}).catch(function(){});}))"
          ".then(function(){location.href='/done';});});</script></body></html>";
  server.pages.insert("/resources", page);
  const int before = factory->RefusedRequests();
  view()->Navigate(QUrl(server.address() + "/resources"));
  EXPECT_TRUE(waitForPage("/done"));
  EXPECT_GE(factory->RefusedRequests(), before + 4 * int(hosts.size()));
  QStringList hits;
  for (const QString& r : server.requests)
    if (r.startsWith("/hit-")) hits.append(r);
  EXPECT_TRUE(hits.isEmpty()) << hits.join(' ').toStdString();
  EXPECT_FALSE(server.request("/redirect-3").isEmpty());
}

// Catches any window a page opens modally over the program: records its text and closes it,
// so that a dialog the view should never have shown fails the test instead of hanging it.
class ModalCatcher : public QObject {
 public:
  ModalCatcher() {
    connect(&timer_, &QTimer::timeout, this, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        QString text = modal->windowTitle();
        for (const QLabel* label : modal->findChildren<QLabel*>()) text += QLatin1Char(' ') + label->text();
        shown.append(text);
        modal->close();
      }
    });
    timer_.start(50);
  }
  QStringList shown;

 private:
  QTimer timer_;
};

TEST_F(DictionaryWebView, APageShowsNoDialogsAndCannotHoldTheView) {
  ModalCatcher catcher;
  // alert, confirm and prompt in a loop, then to a page named by how many of them were accepted.
  server.pages.insert("/dialogs",
                      "<html><body><script>var accepted=0;"
                      "for(var i=0;i<20;++i){alert('alert '+i);if(confirm('confirm '+i))++accepted;"
                      "if(prompt('prompt '+i,'answer')!==null)++accepted;}"
                      "location.replace('/accepted-'+accepted);</script></body></html>");
  // A page that asks whether to leave it; it may ask only after the user touched it.
  server.pages.insert("/accepted-0",
                      "<html><body style='margin:0'><div style='height:400px'>stay</div><script>"
                      "addEventListener('beforeunload',function(e){e.preventDefault();e.returnValue='stay';"
                      "return 'stay';});</script></body></html>");
  WebViewLink() = server.address() + "/dialogs";
  frmNumerologyDictionaryMain::instance().Show();
  MDI::instance().window()->resize(MDI::instance().DefaultSize());
  qztest::Activate(MDI::instance().window());
  ASSERT_TRUE(view());
  watchLoads();
  // Every confirm and prompt was answered as cancelled, and the page went on.
  ASSERT_TRUE(waitForPage("/accepted-0")) << server.requests.join(' ').toStdString();
  QWidget* surface = view()->widget()->focusProxy();
  ASSERT_TRUE(surface);
  QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(20, 20));
  // The user leaves the page for an entry of the dictionary.
  display(0);
  EXPECT_TRUE(waitForPage("/lo-shu"));
  EXPECT_TRUE(catcher.shown.isEmpty()) << catcher.shown.join(" | ").toStdString();
}
}  // namespace

#include "test_webview.moc"
