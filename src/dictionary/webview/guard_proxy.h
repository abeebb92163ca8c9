#pragma once
// The browser's own web proxy, in the process: every request of the web view goes through it.
// It resolves each host itself, refuses addresses of this machine and its local network, and
// connects to the very address it checked, so that a name cannot resolve to one address for the
// check and to another for the connection.
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <functional>

namespace webguard {
// Loopback, private, shared, link-local, unspecified, multicast and broadcast addresses, IPv4 and
// IPv6, and IPv4 addresses inside IPv6 (::ffff:127.0.0.1) as IPv4.
bool IsLocalAddress(const QHostAddress& address);

// What the proxy asks of the network. Tests give their own; the default is the system's
// resolver and the address itself.
struct Network {
  // The addresses of a host name (never called for an address). Called on the proxy's thread;
  // `done` may be called at once or later, on that thread.
  std::function<void(const QString& host, QObject* context, std::function<void(QList<QHostAddress>)> done)> resolve;
  // Where a connection to a checked address goes.
  std::function<QHostAddress(const QHostAddress&)> route;
};

class GuardProxy final : public QObject {
 public:
  // The largest request or response head the proxy reads, and the most connections it holds.
  static constexpr qsizetype kMaxHeadBytes = 64 * 1024;
  static constexpr int kMaxConnections = 256;
  // How long a request may take to arrive, to resolve and to connect.
  static constexpr int kSetupTimeoutMs = 30000;

  explicit GuardProxy(QObject* parent = nullptr);
  ~GuardProxy() override;
  // Listens on 127.0.0.1 at a free port.
  bool Listen();
  quint16 Port() const { return server_.serverPort(); }
  void SetNetwork(Network network);
  const Network& network() const { return network_; }
  // How many requests were refused for their address, since the start.
  int Refused() const { return refused_; }
  void CountRefused() { ++refused_; }

 private:
  QTcpServer server_;
  Network network_;
  int refused_ = 0;
};

// The proxy's part of the browser's command line: every request through the proxy at `port`,
// loopback addresses too (the browser by itself sends those past any proxy), and WebRTC only
// through it. `flags` are the other flags, whose proxy settings are dropped.
QByteArray BrowserFlags(const QByteArray& flags, quint16 port);
}  // namespace webguard
