#include "dictionary/web_view_loader.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

#include "dictionary/webview/web_view_interface.h"
#include "services/platform.h"

namespace dictionary {
const QString kWebViewPluginName = QStringLiteral("qz_dictionary_webview.so");

namespace {
// The web view shares OpenGL contexts with the application, which must be said before the
// application object exists: this runs while any program that can show the web view starts,
// before its main().
const bool kShareContexts = [] {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  return true;
}();

QString& pluginFolder() {
  static QString s;
  return s;
}
IWebViewFactory*& factoryOverride() {
  static IWebViewFactory* f = nullptr;
  return f;
}
}  // namespace

void SetWebViewPluginFolder(const QString& folder) { pluginFolder() = folder; }
void SetWebViewFactory(IWebViewFactory* factory) { factoryOverride() = factory; }

IWebViewFactory* WebViewFactory(QString* error) {
  Q_UNUSED(kShareContexts);
  if (factoryOverride()) return factoryOverride();
  static IWebViewFactory* loaded = nullptr;
  static QString loadError;
  if (loaded) return loaded;
  // The browser's sandbox refuses to run as root; it reads this before its first view.
  if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  const QString folder = pluginFolder().isEmpty() ? platform::ProgramFolder() : pluginFolder();
  QPluginLoader loader(QDir(folder).filePath(kWebViewPluginName));
  QObject* instance = loader.instance();
  loaded = instance ? qobject_cast<IWebViewFactory*>(instance) : nullptr;
  if (!loaded) loadError = loader.errorString();
  if (!loaded && error) *error = loadError;
  return loaded;
}
}  // namespace dictionary
