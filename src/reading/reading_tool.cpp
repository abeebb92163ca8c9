#include "reading_tool.h"

#include "frm_numerology_pro_main.h"
#include "tool_registry.h"

void RegisterReadingTool() {
  shell::RegisterTool(shell::Tool::Reading, [] { frmNumerologyProMain::instance().Show(); });
}
