#include "platform_qt.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform.h"

namespace ui {
void InstallRealPlatform() {
  platform::SetShellOpener([](const QString& address) {
    const QUrl url = QUrl::fromUserInput(address);
    if (url.isValid()) QDesktopServices::openUrl(url);
  });
}
}  // namespace ui
