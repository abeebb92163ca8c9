// The browser's proxy, spoken to as the browser does, over a test network: names resolve as the
// test says, and every connection lands on the test's server on 127.0.0.1.
#include <gtest/gtest.h>

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include "common/test_support.h"
#include "dictionary/webview/guard_proxy.h"

namespace {
using webguard::GuardProxy;

// Answers every request with its own first line as the body, keeping the connection unless the
// request asks to close it, and records the heads it got.
class Origin : public QObject {
 public:
  Origin() {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
          QByteArray& buffer = buffers_[socket];
          buffer += socket->readAll();
          qsizetype end;
          while ((end = buffer.indexOf("\r\n\r\n")) >= 0) {
            const QByteArray head = buffer.left(end);
            buffer.remove(0, end + 4);
            heads.append(head);
            const qsizetype eol = head.indexOf("\r\n");
            const QByteArray body = eol < 0 ? head : head.left(eol);
            socket->write("HTTP/1.1 200 OK\r\nConnection: keep-alive\r\nKeep-Alive: timeout=60\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\n\r\n" + body);
            if (head.contains("\r\nConnection: close")) socket->disconnectFromHost();
          }
        });
      }
    });
    server_.listen(QHostAddress::LocalHost);
  }
  quint16 port() const { return server_.serverPort(); }
  QByteArrayList heads;

 private:
  QTcpServer server_;
  QHash<QTcpSocket*, QByteArray> buffers_;
};

class BrowserProxy : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(proxy.Listen());
    webguard::Network network;
    network.resolve = [this](const QString& host, QObject* context, std::function<void(QList<QHostAddress>)> done) {
      ++lookups;
      QList<QHostAddress> addresses;
      for (const QString& a : names.value(host)) addresses.append(QHostAddress(a));
      QTimer::singleShot(0, context, [done, addresses] { done(addresses); });
    };
    // The test network has one machine: every checked address is the test's server.
    network.route = [](const QHostAddress&) { return QHostAddress(QHostAddress::LocalHost); };
    proxy.SetNetwork(network);
  }
  // Sends bytes to the proxy and returns all it answers until it closes (or `until` is seen).
  QByteArray exchange(const QByteArray& request, const QByteArray& until = {}, QTcpSocket* keep = nullptr) {
    QTcpSocket own;
    QTcpSocket* socket = keep ? keep : &own;
    if (socket->state() != QAbstractSocket::ConnectedState) {
      socket->connectToHost(QHostAddress::LocalHost, proxy.Port());
      EXPECT_TRUE(socket->waitForConnected(5000));
    }
    socket->write(request);
    QByteArray answer;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
          answer += socket->readAll();
          return socket->state() == QAbstractSocket::UnconnectedState || (!until.isEmpty() && answer.contains(until));
        },
        10000))
        << request.left(80).toStdString();
    return answer + socket->readAll();
  }
  QByteArray get(const QString& host, const QByteArray& path = "/page") {
    const QByteArray authority = host.toLatin1() + ':' + QByteArray::number(origin.port());
    return exchange("GET http://" + authority + path + " HTTP/1.1\r\nHost: " + authority +
                    "\r\nProxy-Connection: keep-alive\r\nProxy-Authorization: Basic eDp5\r\n\r\n");
  }

  Origin origin;
  GuardProxy proxy;
  QHash<QString, QStringList> names = {
      {"site.example", {"203.0.113.7"}},         {"two.example", {"2001:db8::7", "198.51.100.7"}},
      {"rebind.example", {"127.0.0.1"}},         {"loopback6.example", {"::1"}},
      {"mapped.example", {"::ffff:127.0.0.1"}},  {"mixed.example", {"203.0.113.8", "10.0.0.1"}},
      {"lan.example", {"192.168.1.20"}},         {"linklocal.example", {"fe80::1"}},
      {"metadata.example", {"169.254.169.254"}}, {"unspecified.example", {"0.0.0.0"}},
      {"ula.example", {"fd12:3456::1"}},         {"shared.example", {"100.64.0.9"}},
  };
  int lookups = 0;
};

// A plain page: the request reaches the server in origin form, without the proxy's headers, and
// the connection closes after the answer.
TEST_F(BrowserProxy, PassesAPublicPageOnAndClosesTheConnection) {
  for (const QString host : {"site.example", "two.example"}) {
    origin.heads.clear();
    const QByteArray answer = get(host, "/page?q=1");
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 200 OK\r\n")) << answer.toStdString();
    EXPECT_TRUE(answer.contains("\r\nConnection: close\r\n")) << answer.toStdString();
    EXPECT_FALSE(answer.contains("keep-alive")) << answer.toStdString();
    EXPECT_TRUE(answer.endsWith("GET /page?q=1 HTTP/1.1")) << answer.toStdString();
    ASSERT_EQ(origin.heads.size(), 1);
    EXPECT_TRUE(origin.heads[0].startsWith("GET /page?q=1 HTTP/1.1\r\n"));
    EXPECT_TRUE(origin.heads[0].contains("\r\nHost: " + host.toLatin1() + ":"));
    EXPECT_TRUE(origin.heads[0].contains("\r\nConnection: close"));
    EXPECT_FALSE(origin.heads[0].contains("Proxy-"));
  }
}

// Names that resolve to this machine or its network, and such addresses themselves, in every
// form: refused, and the server never hears of them.
TEST_F(BrowserProxy, RefusesLocalAddressesAfterResolvingTheName) {
  const QStringList resolvedLocal = {"rebind.example", "loopback6.example", "mapped.example",   "mixed.example",
                                     "lan.example",    "linklocal.example", "metadata.example", "unspecified.example",
                                     "ula.example",    "shared.example"};
  const QStringList localByForm = {
      "127.0.0.1",  "[::1]",  "[::ffff:127.0.0.1]", "[::ffff:7f00:1]", "0x7f.1",   "2130706433", "localhost",
      "LOCALHOST.", "router", "printer.local",      "[fe80::1]",       "10.1.2.3", "0.0.0.0"};
  for (const QString& host : resolvedLocal + localByForm) {
    const int refusedBefore = proxy.Refused();
    const QByteArray answer = get(host);
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 403 ")) << host.toStdString() << ": " << answer.toStdString();
    EXPECT_EQ(proxy.Refused(), refusedBefore + 1) << host.toStdString();
    const QByteArray tunnel =
        exchange("CONNECT " + host.toLatin1() + ":" + QByteArray::number(origin.port()) + " HTTP/1.1\r\n\r\n");
    EXPECT_TRUE(tunnel.startsWith("HTTP/1.1 403 ")) << host.toStdString() << ": " << tunnel.toStdString();
  }
  EXPECT_TRUE(origin.heads.isEmpty()) << origin.heads.join(" | ").toStdString();
  // Names that are local by their form never reach the resolver.
  EXPECT_EQ(lookups, 2 * resolvedLocal.size());
}

// HTTPS goes through a tunnel to the checked address; the bytes pass both ways unchanged.
TEST_F(BrowserProxy, TunnelsToAPublicAddress) {
  QTcpSocket socket;
  const QByteArray connected =
      exchange("CONNECT site.example:" + QByteArray::number(origin.port()) + " HTTP/1.1\r\nHost: site.example\r\n\r\n",
               "\r\n\r\n", &socket);
  EXPECT_EQ(connected, "HTTP/1.1 200 Connection established\r\n\r\n");
  const QByteArray first = exchange("GET /one HTTP/1.1\r\n\r\n", "GET /one HTTP/1.1", &socket);
  EXPECT_TRUE(first.endsWith("GET /one HTTP/1.1")) << first.toStdString();
  // The tunnel keeps the server's own connection: a second request goes the same way.
  const QByteArray second = exchange("GET /two HTTP/1.1\r\n\r\n", "GET /two HTTP/1.1", &socket);
  EXPECT_TRUE(second.endsWith("GET /two HTTP/1.1")) << second.toStdString();
  EXPECT_EQ(origin.heads, (QByteArrayList{"GET /one HTTP/1.1", "GET /two HTTP/1.1"}));
}

TEST_F(BrowserProxy, AnswersMalformedUnknownAndOversizedRequestsAndCloses) {
  const QByteArray port = QByteArray::number(origin.port());
  struct Case {
    QByteArray request;
    QByteArray status;
  } cases[] = {
      {"GET http://unknown.example:" + port + "/ HTTP/1.1\r\n\r\n", "502"},
      {"GET /relative HTTP/1.1\r\n\r\n", "400"},
      {"GET https://site.example/ HTTP/1.1\r\n\r\n", "400"},
      {"GET http://user@site.example:" + port + "/ HTTP/1.1\r\n\r\n", "400"},
      {"GET http://site.example:99999/ HTTP/1.1\r\n\r\n", "400"},
      {"CONNECT site.example HTTP/1.1\r\n\r\n", "400"},
      {"NOT A REQUEST\r\n\r\n", "400"},
      {"GET http://site.example:" + port + "/ HTTP/1.1\r\nX: " + QByteArray(GuardProxy::kMaxHeadBytes, 'x'), "431"},
  };
  for (const Case& c : cases) {
    const QByteArray answer = exchange(c.request);
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 " + c.status + " "))
        << c.request.left(60).toStdString() << ": " << answer.left(80).toStdString();
  }
  EXPECT_TRUE(origin.heads.isEmpty());
}

TEST(BrowserProxyAddresses, LocalAndPublicAddresses) {
  for (const char* a : {"127.0.0.1",       "127.255.0.9",   "10.0.0.1",   "172.16.0.1",       "172.31.9.9",
                        "192.168.0.1",     "169.254.1.1",   "100.64.0.1", "0.0.0.0",          "224.0.0.251",
                        "255.255.255.255", "::1",           "::",         "fe80::1",          "fec0::1",
                        "fc00::1",         "fdff::1",       "ff02::1",    "::ffff:127.0.0.1", "::ffff:192.168.1.1",
                        "::127.0.0.1",     "64:ff9b::a00:1"})
    EXPECT_TRUE(webguard::IsLocalAddress(QHostAddress(QString::fromLatin1(a)))) << a;
  for (const char* a : {"8.8.8.8", "203.0.113.7", "172.32.0.1", "192.169.0.1", "100.128.0.1", "2001:db8::1",
                        "2a00:1450::1", "::ffff:8.8.8.8", "64:ff9b::808:808"})
    EXPECT_FALSE(webguard::IsLocalAddress(QHostAddress(QString::fromLatin1(a)))) << a;
  EXPECT_TRUE(webguard::IsLocalAddress(QHostAddress()));
}

// The browser's command line: the proxy for everything, loopback included, and no proxy
// setting of the user's in its way.
TEST(BrowserProxyAddresses, BrowserFlagsPointEveryRequestAtTheProxy) {
  const QByteArray flags = webguard::BrowserFlags(
      "--enable-logging --no-proxy-server --proxy-server=socks5://10.0.0.1:1080 --proxy-pac-url=http://x/ "
      "--proxy-bypass-list=* --disable-gpu",
      4711);
  EXPECT_EQ(flags.toStdString(),
            "--enable-logging --disable-gpu --proxy-server=http://127.0.0.1:4711 --proxy-bypass-list=<-loopback> "
            "--force-webrtc-ip-handling-policy=disable_non_proxied_udp --dns-prefetch-disable");
  EXPECT_TRUE(webguard::BrowserFlags("", 1).startsWith("--proxy-server=http://127.0.0.1:1 "));
}
}  // namespace
