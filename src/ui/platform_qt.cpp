#include "ui/platform_qt.h"

#include <QDesktopServices>

#include "services/platform.h"

namespace ui {
namespace {
std::function<void(const QUrl&)>& desktop() {
  static std::function<void(const QUrl&)> open;
  return open;
}
}  // namespace

void SetDesktopOpener(std::function<void(const QUrl&)> open) { desktop() = std::move(open); }

void InstallRealPlatform() {
  platform::SetShellOpener([](const QString& address) {
    const QUrl url = platform::WebPageUrl(address);
    if (url.isEmpty()) return;
    if (desktop()) desktop()(url);
    else QDesktopServices::openUrl(url);
  });
}
}  // namespace ui
