#include "namebirth/namebirth_tool.h"

#include "namebirth/frm_numerology_software_one.h"
#include "shell/tool_registry.h"

void RegisterNamebirthTool() {
  shell::RegisterTool(shell::Tool::NameBirth, [] { frmNumerologySoftwareOne::instance().Show(); });
}
