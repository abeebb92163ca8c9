#include "reading_tool.h"

#include "frm_numerology_pro_main.h"
#include "tool_registry.h"

namespace {
constexpr int kLauncherIndex = 4;
}

void RegisterReadingTool() {
  shell::RegisterTool(kLauncherIndex, [] { frmNumerologyProMain::instance().Show(); });
}
