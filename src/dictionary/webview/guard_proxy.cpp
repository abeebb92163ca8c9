#include "dictionary/webview/guard_proxy.h"

#include <QHostInfo>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include "dictionary/core/local_host.h"

namespace webguard {
bool IsLocalAddress(const QHostAddress& address) {
  if (address.protocol() == QAbstractSocket::IPv4Protocol) return dictionary::IsLocalIpv4(address.toIPv4Address());
  if (address.protocol() == QAbstractSocket::IPv6Protocol) {
    const Q_IPV6ADDR a = address.toIPv6Address();
    unsigned char bytes[16];
    for (int i = 0; i < 16; ++i) bytes[i] = a[i];
    return dictionary::IsLocalIpv6(bytes);
  }
  return true;  // no address at all
}

namespace {
// How much of one side the proxy holds before it stops reading the other.
constexpr qint64 kRelayBytes = 1 << 20;

bool isTokenChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}
bool headerNamed(const QByteArray& line, const char* name) {
  const qsizetype colon = line.indexOf(':');
  return colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0;
}
// The head's lines without those that tie the connection (the proxy closes every connection
// after one request and its answer), and "Connection: close" at their end.
QByteArray closingHead(const QList<QByteArray>& lines) {
  QByteArray head;
  for (const QByteArray& line : lines) {
    if (headerNamed(line, "connection") || headerNamed(line, "proxy-connection") || headerNamed(line, "keep-alive") ||
        headerNamed(line, "proxy-authorization"))
      continue;
    head += line + "\r\n";
  }
  return head + "Connection: close\r\n\r\n";
}

// "host:port" or "[v6]:port" into its host (without brackets) and port; false where either is
// missing or malformed.
bool splitAuthority(const QByteArray& authority, quint16 defaultPort, QString* host, quint16* port) {
  QByteArray h = authority, p;
  if (authority.startsWith('[')) {
    const qsizetype close = authority.indexOf(']');
    if (close < 0) return false;
    h = authority.mid(1, close - 1);
    const QByteArray rest = authority.mid(close + 1);
    if (!rest.isEmpty()) {
      if (!rest.startsWith(':')) return false;
      p = rest.mid(1);
    }
  } else {
    const qsizetype colon = authority.lastIndexOf(':');
    if (colon >= 0) {
      h = authority.left(colon);
      p = authority.mid(colon + 1);
    }
  }
  if (h.isEmpty() || h.contains('@') || h.contains('%')) return false;
  *port = defaultPort;
  if (!p.isEmpty() || authority.endsWith(':')) {
    bool ok = false;
    const uint n = p.toUInt(&ok);
    if (!ok || n == 0 || n > 65535) return false;
    *port = quint16(n);
  }
  if (*port == 0) return false;
  *host = QString::fromLatin1(h).toLower();
  return true;
}

// One connection of the browser to the proxy: its request, the checked connection to the
// server, and the bytes between them.
class Connection final : public QObject {
 public:
  Connection(QTcpSocket* client, GuardProxy* proxy) : proxy_(proxy), client_(client) {
    client_->setParent(this);
    client_->setReadBufferSize(kRelayBytes);
    connect(client_, &QTcpSocket::readyRead, this, &Connection::clientData);
    connect(client_, &QTcpSocket::bytesWritten, this, [this] { pump(upstream_, client_); });
    connect(client_, &QTcpSocket::disconnected, this, [this] { ended(client_, upstream_); });
    setup_.setSingleShot(true);
    connect(&setup_, &QTimer::timeout, this, [this] { fail(504, "The page took too long to answer."); });
    setup_.start(GuardProxy::kSetupTimeoutMs);
    clientData();
  }

 private:
  enum class State { Head, Resolving, Connecting, Relaying, Done };

  void clientData() {
    if (state_ == State::Relaying) {
      pump(client_, upstream_);
      return;
    }
    if (state_ != State::Head) return;  // the rest of a request waits until the server is reached
    buffer_ += client_->read(GuardProxy::kMaxHeadBytes + 4 - buffer_.size());
    const qsizetype end = buffer_.indexOf("\r\n\r\n");
    if (end < 0) {
      if (buffer_.size() > GuardProxy::kMaxHeadBytes) fail(431, "The request is too large.");
      return;
    }
    QList<QByteArray> lines = buffer_.left(end).split('\n');
    for (QByteArray& line : lines)
      if (line.endsWith('\r')) line.chop(1);
    rest_ = buffer_.mid(end + 4);
    buffer_.clear();
    request(lines);
  }

  void request(QList<QByteArray> lines) {
    const QList<QByteArray> parts = lines.value(0).split(' ');
    if (parts.size() != 3 || parts[0].isEmpty() || !std::all_of(parts[0].begin(), parts[0].end(), isTokenChar) ||
        !parts[2].startsWith("HTTP/1."))
      return fail(400, "The request is malformed.");
    tunnel_ = parts[0] == "CONNECT";
    QByteArray authority;
    if (tunnel_) {
      authority = parts[1];
      if (!splitAuthority(authority, 0, &host_, &port_)) return fail(400, "The request is malformed.");
    } else {
      // The browser asks a proxy for a plain web page by its whole address.
      const QByteArray target = parts[1];
      if (!target.toLower().startsWith("http://")) return fail(400, "The request is malformed.");
      const qsizetype start = 7;
      qsizetype end = start;
      while (end < target.size() && target[end] != '/' && target[end] != '?' && target[end] != '#') ++end;
      authority = target.mid(start, end - start);
      QByteArray path = target.mid(end);
      if (!path.startsWith('/')) path.prepend('/');
      if (!splitAuthority(authority, 80, &host_, &port_)) return fail(400, "The request is malformed.");
      lines[0] = parts[0] + ' ' + path + ' ' + parts[2];
      head_ = closingHead(lines);
    }
    // A host of this machine or its network by its very form (an address, localhost, a dotless
    // name) is refused before any resolver is asked.
    if (dictionary::IsLocalHostName(host_.toStdString())) return refuse();
    QHostAddress literal;
    if (literal.setAddress(host_)) return resolved({literal});
    state_ = State::Resolving;
    QPointer<Connection> self(this);
    auto done = [self](QList<QHostAddress> addresses) {
      if (self) self->resolved(std::move(addresses));
    };
    if (proxy_->network().resolve) {
      proxy_->network().resolve(host_, this, done);
    } else {
      QHostInfo::lookupHost(host_, this, [done](const QHostInfo& info) {
        done(info.error() == QHostInfo::NoError ? info.addresses() : QList<QHostAddress>());
      });
    }
  }

  // Every address the name has must be one of the web's: a name that gives a local address
  // beside a public one is refused whole.
  void resolved(QList<QHostAddress> addresses) {
    if (state_ == State::Done) return;
    if (addresses.isEmpty()) return fail(502, "The name of the page's server was not found.");
    for (const QHostAddress& address : addresses)
      if (IsLocalAddress(address)) return refuse();
    addresses_ = std::move(addresses);
    state_ = State::Connecting;
    connectNext();
  }

  void connectNext() {
    if (addresses_.isEmpty()) return fail(502, "The page's server could not be reached.");
    const QHostAddress checked = addresses_.takeFirst();
    const QHostAddress target = proxy_->network().route ? proxy_->network().route(checked) : checked;
    delete upstream_;
    upstream_ = new QTcpSocket(this);
    upstream_->setReadBufferSize(kRelayBytes);
    connect(upstream_, &QTcpSocket::connected, this, &Connection::upstreamConnected);
    connect(upstream_, &QTcpSocket::errorOccurred, this, [this, socket = upstream_] {
      // The next address, once (a socket may report more than one error).
      QTimer::singleShot(0, this, [this, socket] {
        if (state_ == State::Connecting && socket == upstream_) connectNext();
      });
    });
    upstream_->connectToHost(target, port_);
  }

  void upstreamConnected() {
    if (state_ != State::Connecting) return;
    setup_.stop();
    state_ = State::Relaying;
    connect(upstream_, &QTcpSocket::readyRead, this, [this] { pump(upstream_, client_); });
    connect(upstream_, &QTcpSocket::bytesWritten, this, [this] { pump(client_, upstream_); });
    connect(upstream_, &QTcpSocket::disconnected, this, [this] { ended(upstream_, client_); });
    if (tunnel_) {
      client_->write("HTTP/1.1 200 Connection established\r\n\r\n");
      answerHeadDone_ = true;
    } else {
      upstream_->write(head_);
    }
    upstream_->write(rest_);
    rest_.clear();
    pump(client_, upstream_);
    pump(upstream_, client_);
  }

  // Moves what `from` holds to `to` while `to` has room (all of it once `from` has ended).
  void pump(QTcpSocket* from, QTcpSocket* to, bool all = false) {
    if (state_ != State::Relaying || !from || !to) return;
    while (from->bytesAvailable() > 0 && (all || to->bytesToWrite() < kRelayBytes)) {
      if (from == upstream_ && !answerHeadDone_) {
        if (!answerHead()) return;
        continue;
      }
      to->write(from->read(64 * 1024));
    }
  }

  // The server's answer to a plain request: its head goes on with "Connection: close" in place
  // of its own connection headers (heads of interim answers, 1xx, as they come). False while the
  // head is not whole.
  bool answerHead() {
    answer_ += upstream_->read(GuardProxy::kMaxHeadBytes + 4 - answer_.size());
    const qsizetype end = answer_.indexOf("\r\n\r\n");
    if (end < 0) {
      if (answer_.size() > GuardProxy::kMaxHeadBytes) fail(502, "The page's server gave a malformed answer.");
      return false;
    }
    QList<QByteArray> lines = answer_.left(end).split('\n');
    for (QByteArray& line : lines)
      if (line.endsWith('\r')) line.chop(1);
    const QByteArray rest = answer_.mid(end + 4);
    answer_.clear();
    const QList<QByteArray> status = lines.value(0).split(' ');
    const bool interim = status.size() >= 2 && status[1].startsWith('1') && status[1] != "101";
    if (interim) {
      client_->write(lines.join("\r\n") + "\r\n\r\n");
      answer_ = rest;
    } else {
      client_->write(closingHead(lines) + rest);
      answerHeadDone_ = true;
    }
    return true;
  }

  // One side closed: what it still held goes to the other, which is closed once it has written
  // everything. Before the relay, the connection simply ends.
  void ended(QTcpSocket* from, QTcpSocket* to) {
    if (state_ == State::Done) return;
    if (state_ != State::Relaying) {
      state_ = State::Done;
      if (upstream_) upstream_->abort();
      deleteLater();
      return;
    }
    pump(from, to, true);
    if (state_ != State::Relaying) return;  // the answer failed on its way
    if (from == upstream_ && !answerHeadDone_) return fail(502, "The page's server gave a malformed answer.");
    state_ = State::Done;
    if (to->state() == QAbstractSocket::UnconnectedState) {
      deleteLater();
      return;
    }
    connect(to, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    to->disconnectFromHost();
  }

  void refuse() {
    proxy_->CountRefused();
    fail(403, "This page is on this computer or its local network: the dictionary does not open it.");
  }

  void fail(int code, const char* text) {
    if (failed_) return;
    failed_ = true;
    state_ = State::Done;
    setup_.stop();
    if (upstream_) upstream_->abort();
    static const QHash<int, QByteArray> reasons = {{400, "Bad Request"},
                                                   {403, "Forbidden"},
                                                   {431, "Request Header Fields Too Large"},
                                                   {502, "Bad Gateway"},
                                                   {504, "Gateway Timeout"}};
    if (!answerStarted()) {
      const QByteArray body = QByteArray(text) + "\n";
      client_->write("HTTP/1.1 " + QByteArray::number(code) + ' ' + reasons.value(code) +
                     "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
                     QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    }
    if (client_->state() == QAbstractSocket::UnconnectedState) {
      deleteLater();
      return;
    }
    connect(client_, &QTcpSocket::disconnected, this, &QObject::deleteLater, Qt::UniqueConnection);
    client_->disconnectFromHost();
  }
  bool answerStarted() const { return answerHeadDone_; }

  GuardProxy* proxy_;
  QTcpSocket* client_;
  QTcpSocket* upstream_ = nullptr;
  QTimer setup_;
  State state_ = State::Head;
  bool tunnel_ = false;
  bool answerHeadDone_ = false;
  bool failed_ = false;
  QString host_;
  quint16 port_ = 0;
  QList<QHostAddress> addresses_;
  QByteArray buffer_, rest_, head_, answer_;
};
}  // namespace

GuardProxy::GuardProxy(QObject* parent) : QObject(parent) {
  server_.setMaxPendingConnections(kMaxConnections);
  connect(&server_, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket* client = server_.nextPendingConnection()) {
      if (children().size() >= kMaxConnections) {  // its children are its connections
        client->abort();
        client->deleteLater();
        continue;
      }
      (new Connection(client, this))->setParent(this);
    }
  });
}

GuardProxy::~GuardProxy() = default;

bool GuardProxy::Listen() { return server_.isListening() || server_.listen(QHostAddress::LocalHost, 0); }

void GuardProxy::SetNetwork(Network network) { network_ = std::move(network); }

QByteArray BrowserFlags(const QByteArray& flags, quint16 port) {
  QByteArrayList kept;
  for (const QByteArray& flag : flags.split(' ')) {
    const qsizetype equals = flag.indexOf('=');
    const QByteArray name = (equals < 0 ? flag : flag.left(equals)).toLower();
    if (flag.isEmpty() || name.startsWith("--proxy") || name.startsWith("-proxy") || name == "--no-proxy-server" ||
        name == "--winhttp-proxy-resolver" || name == "--force-webrtc-ip-handling-policy")
      continue;
    kept.append(flag);
  }
  kept << "--proxy-server=http://127.0.0.1:" + QByteArray::number(port) << "--proxy-bypass-list=<-loopback>"
       << "--force-webrtc-ip-handling-policy=disable_non_proxied_udp"
       << "--dns-prefetch-disable";
  return kept.join(' ');
}
}  // namespace webguard
