#include "reading/reading_tool.h"

#include "reading/frm_numerology_pro_main.h"
#include "shell/tool_registry.h"

void RegisterReadingTool() {
  shell::RegisterTool(shell::Tool::Reading, [] { frmNumerologyProMain::instance().Show(); });
}
