#include "chinese/chinese_tool.h"

#include "chinese/frm_chinese_numerology_main.h"
#include "shell/tool_registry.h"

void RegisterChineseTool() {
  shell::RegisterTool(shell::Tool::Chinese, [] { frmChineseNumerologyMain::instance().Show(); });
}
