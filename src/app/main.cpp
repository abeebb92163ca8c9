#include <QApplication>

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

int main(int argc, char** argv) {
  // Before anything writes a file (Qt's own caches included).
  IgnoreFileSizeLimitSignal();
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
