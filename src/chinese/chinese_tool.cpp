#include "chinese_tool.h"

#include "frm_chinese_numerology_main.h"
#include "tool_registry.h"

void RegisterChineseTool() {
  shell::RegisterTool(shell::Tool::Chinese, [] { frmChineseNumerologyMain::instance().Show(); });
}
