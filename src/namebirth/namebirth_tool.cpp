#include "namebirth_tool.h"

#include "frm_numerology_software_one.h"
#include "tool_registry.h"

void RegisterNamebirthTool() {
  shell::RegisterTool(shell::Tool::NameBirth, [] { frmNumerologySoftwareOne::instance().Show(); });
}
