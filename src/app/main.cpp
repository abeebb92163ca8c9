#include <QApplication>

#include "app_icon.h"
#include "chinese_tool.h"
#include "dictionary_tool.h"
#include "file_io.h"
#include "iching_tool.h"
#include "kabbalah_tool.h"
#include "namebirth_tool.h"
#include "platform_qt.h"
#include "reading_tool.h"
#include "shell_windows.h"

#ifdef QZ_STARTUP_PROBE
#include "single_instance.h"
#include "startup_probe.h"
#endif

int main(int argc, char** argv) {
  // Before anything writes a file (Qt's own caches included).
  IgnoreFileSizeLimitSignal();
  // The dictionary's web view shares OpenGL contexts with the rest of the program.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
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
