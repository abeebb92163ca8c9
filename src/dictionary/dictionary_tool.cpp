#include "dictionary/dictionary_tool.h"

#include <QCoreApplication>

#include "dictionary/frm_numerology_dictionary_main.h"
#include "shell/tool_registry.h"

namespace {
// The web view shares OpenGL contexts with the application, which must be said before the
// application object exists; this runs while the program starts, before main().
const bool kShareContexts = [] {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  return true;
}();
}  // namespace

void RegisterDictionaryTool() {
  Q_UNUSED(kShareContexts);
  shell::RegisterTool(shell::Tool::Dictionary, [] { frmNumerologyDictionaryMain::instance().Show(); });
}
