#include "iching_tool.h"

#include "frm_iching_numerology_main.h"
#include "tool_registry.h"

void RegisterIchingTool() {
  shell::RegisterTool(shell::Tool::IChing, [] { frmIChingNumerologyMain::instance().Show(); });
}
