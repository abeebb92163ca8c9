#include "iching/iching_tool.h"

#include "iching/frm_iching_numerology_main.h"
#include "shell/tool_registry.h"

void RegisterIchingTool() {
  shell::RegisterTool(shell::Tool::IChing, [] { frmIChingNumerologyMain::instance().Show(); });
}
