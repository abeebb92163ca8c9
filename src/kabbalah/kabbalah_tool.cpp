#include "kabbalah/kabbalah_tool.h"

#include "kabbalah/frm_kabbalah_numerology_main.h"
#include "shell/tool_registry.h"

void RegisterKabbalahTool() {
  shell::RegisterTool(shell::Tool::Kabbalah, [] { frmKabbalahNumerologyMain::instance().Show(); });
}
