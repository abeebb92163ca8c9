#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "chinese/chinese_tool.h"
#include "dictionary/dictionary_tool.h"
#include "iching/iching_tool.h"
#include "kabbalah/kabbalah_tool.h"
#include "namebirth/namebirth_tool.h"
#include "reading/reading_tool.h"
#include "services/file_io.h"
#include "shell/shell_windows.h"
#include "ui/app_icon.h"
#include "ui/platform_qt.h"

#ifdef QZ_STARTUP_PROBE
#include "bench/startup/startup_probe.h"
#include "shell/single_instance.h"
#endif

namespace {
// What the platform said while the application was made: shown only if it could not be.
QStringList& startMessages() {
  static QStringList messages;
  return messages;
}

// Qt ends the process when no window system can be reached, with advice to reinstall. The suite
// says what is missing instead.
void startMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    startMessages() << QStringLiteral("%1: %2").arg(QString::fromUtf8(context.category), message);
    return;
  }
  std::fprintf(stderr,
               "QZ Orbalinth is a desktop program and could not reach a display (%s).\n"
               "Start it in a desktop session, or without one as: xvfb-run -a scripts/run\n",
               qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                   ? "neither DISPLAY nor WAYLAND_DISPLAY is set"
                   : qPrintable(startMessages().value(0, message)));
  std::_Exit(1);
}
}  // namespace

int main(int argc, char** argv) {
  // Before anything writes a file (Qt's own caches included).
  IgnoreFileSizeLimitSignal();
  const QtMessageHandler previous = qInstallMessageHandler(startMessageHandler);
  QApplication app(argc, argv);
  qInstallMessageHandler(previous);
  for (const QString& message : std::as_const(startMessages())) qWarning("%s", qPrintable(message));
  startMessages().clear();
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setWindowIcon(ui::AppIcon());
  ui::InstallRealPlatform();

  RegisterReadingTool();
  RegisterKabbalahTool();
  RegisterChineseTool();
  RegisterNamebirthTool();
  RegisterIchingTool();
  RegisterDictionaryTool();

#ifdef QZ_STARTUP_PROBE
  // Benchmark runs side by side keep their locks in their own runtime folders.
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
    SetInstanceLockFolder(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/qz-orbalinth-lock"));
#endif
  StartSuite();
#ifdef QZ_STARTUP_PROBE
  ReportStartup(frmMain::instance().window());
#endif
  return app.exec();
}
