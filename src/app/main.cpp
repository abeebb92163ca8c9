#include <QApplication>

#include "app_icon.h"
#include "file_io.h"
#include "platform_qt.h"
#include "shell_windows.h"

#ifdef QZ_STARTUP_PROBE
#include "single_instance.h"
#include "startup_probe.h"
#endif
#ifdef QZ_HAVE_READING
#include "reading_tool.h"
#endif
#ifdef QZ_HAVE_KABBALAH
#include "kabbalah_tool.h"
#endif
#ifdef QZ_HAVE_CHINESE
#include "chinese_tool.h"
#endif
#ifdef QZ_HAVE_NAMEBIRTH
#include "namebirth_tool.h"
#endif
#ifdef QZ_HAVE_ICHING
#include "iching_tool.h"
#endif
#ifdef QZ_HAVE_DICTIONARY
#include "dictionary_tool.h"
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

#ifdef QZ_HAVE_READING
  RegisterReadingTool();
#endif
#ifdef QZ_HAVE_KABBALAH
  RegisterKabbalahTool();
#endif
#ifdef QZ_HAVE_CHINESE
  RegisterChineseTool();
#endif
#ifdef QZ_HAVE_NAMEBIRTH
  RegisterNamebirthTool();
#endif
#ifdef QZ_HAVE_ICHING
  RegisterIchingTool();
#endif
#ifdef QZ_HAVE_DICTIONARY
  RegisterDictionaryTool();
#endif

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
