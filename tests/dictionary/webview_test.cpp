// The real browser plugin against a small HTTP server of the test on 127.0.0.1.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUrlQuery>

#include "dictionary_module.h"
#include "dictionary_test_support.h"
#include "frm_mdi.h"
#include "frm_numerology_dictionary_main.h"
#include "web_view_loader.h"

using namespace dicttest;

namespace {
// Answers every GET with a page whose title is the request's path; records the requests.
class PageServer : public QObject {
 public:
  PageServer() {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
          buffer_[socket] += socket->readAll();
          if (!buffer_[socket].contains("\r\n\r\n")) return;
          const QByteArray line = buffer_[socket].left(buffer_[socket].indexOf("\r\n"));
          buffer_.remove(socket);
          const QByteArray target = line.split(' ').value(1);
          requests.append(QString::fromLatin1(target));
          const QByteArray body = "<html><head><title>" + target.toPercentEncoding("/") +
                                  "</title></head><body>page</body></html>";
          socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: " +
                        QByteArray::number(body.size()) + "\r\n\r\n" + body);
          socket->disconnectFromHost();
        });
      }
    });
    server_.listen(QHostAddress::LocalHost);
  }
  QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
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

 private:
  QTcpServer server_;
  QHash<QTcpSocket*, QByteArray> buffer_;
};

class DictionaryWebView : public DictionaryTest {
 protected:
  void SetUp() override {
    DictionaryTest::SetUp();
    QString programFolder = qEnvironmentVariable("QZ_PROGRAM_DIR");
    if (programFolder.isEmpty()) programFolder = QStringLiteral(QZ_TEST_PROGRAM_DIR);
    dictionary::SetWebViewFactory(nullptr);
    dictionary::SetWebViewPluginFolder(programFolder);
    ASSERT_TRUE(dictionary::WebViewFactory());
    SetSearchEngineAddress(server.address());
    WriteDictionary(programDictionary(), {{"Lo Shu", server.address() + "/lo-shu", "chinese"},
                                          {"Soul Urge", server.address(), "reading"}});
  }
  IWebView* view() { return frmNumerologyDictionaryMain::instance().browser(); }
  // Waits until a page load of the given path has finished.
  bool waitForPage(const QString& path) {
    return QTest::qWaitFor([&] { return loaded.contains(path) && view()->Url().path() == path; }, 20000) &&
           (loaded.clear(), true);
  }
  void watchLoads() {
    view()->SetLoadFinishedHandler([this](bool) { loaded.append(view()->Url().path()); });
  }
  QStringList loaded;
  void display(int row) {
    auto* list = MDI::instance().control<QListView>("lstKeys");
    list->setCurrentIndex(list->model()->index(row, 0));
    MDI::instance().lstKeys_DblClick();
  }
  PageServer server;
};

TEST_F(DictionaryWebView, ShowsEntriesWalksHistoryAndSearches) {
  DictionaryLink = server.address() + "/first";
  frmNumerologyDictionaryMain::instance().Show();
  ASSERT_TRUE(view());
  watchLoads();
  ASSERT_TRUE(waitForPage("/first"));
  display(0);
  ASSERT_TRUE(waitForPage("/lo-shu"));
  MDI::instance().TB_ButtonClick("Back");
  EXPECT_TRUE(waitForPage("/first"));
  MDI::instance().TB_ButtonClick("Forward");
  EXPECT_TRUE(waitForPage("/lo-shu"));
  // The search form, with a search text that must not be read as script or markup.
  const QString tricky = QStringLiteral("Soul \"Urge'</script><b>&x=1\\");
  MDI::instance().control<QLineEdit>("txtKey")->setText(tricky);
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
  DictionaryLink = server.address() + "/kept";
  frmNumerologyDictionaryMain::instance().Show();
  QTest::qWait(300);
  EXPECT_TRUE(server.requests.isEmpty());
  EXPECT_EQ(DictionaryLink, server.address() + "/kept");
  frmNumerologyDictionaryMain::instance().Unload();
  connected = true;
  frmNumerologyDictionaryMain::instance().Show();
  EXPECT_TRUE(server.waitFor("/kept"));
}
}  // namespace
