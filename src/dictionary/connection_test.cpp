#include "connection_test.h"

#include <QFile>
#include <QNetworkInformation>
#include <QNetworkInterface>

namespace dictionary {
namespace {
std::function<bool()>& override_() {
  static std::function<bool()> f;
  return f;
}
}  // namespace

void SetConnectionTest(std::function<bool()> test) { override_() = std::move(test); }

bool HasDefaultRoute() {
  // /proc/net/route: interface, destination, gateway, flags, ... in hexadecimal.
  QFile routes(QStringLiteral("/proc/net/route"));
  if (!routes.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  routes.readLine();  // the heading
  while (!routes.atEnd()) {
    const QList<QByteArray> f = routes.readLine().simplified().split(' ');
    if (f.size() < 4) continue;
    bool ok = false;
    const uint flags = f[3].toUInt(&ok, 16);
    constexpr uint kRouteUp = 0x1;
    if (!ok || !(flags & kRouteUp) || f[1] != "00000000") continue;
    const QNetworkInterface iface = QNetworkInterface::interfaceFromName(QString::fromLatin1(f[0]));
    if (iface.isValid() && (iface.flags() & QNetworkInterface::IsUp) &&
        !(iface.flags() & QNetworkInterface::IsLoopBack))
      return true;
  }
  return false;
}

bool ConnectionTest() {
  if (override_()) return override_()();
  static const bool haveBackend =
      QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
  if (haveBackend && QNetworkInformation::instance()) {
    switch (QNetworkInformation::instance()->reachability()) {
      case QNetworkInformation::Reachability::Online:
        return true;
      case QNetworkInformation::Reachability::Disconnected:
      case QNetworkInformation::Reachability::Local:
      case QNetworkInformation::Reachability::Site:
        return false;
      case QNetworkInformation::Reachability::Unknown:
        break;
    }
  }
  return HasDefaultRoute();
}
}  // namespace dictionary
