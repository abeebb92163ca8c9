#include "kabbalah_tool.h"

#include "frm_kabbalah_numerology_main.h"
#include "tool_registry.h"

void RegisterKabbalahTool() {
  shell::RegisterTool(shell::Tool::Kabbalah, [] { frmKabbalahNumerologyMain::instance().Show(); });
}
