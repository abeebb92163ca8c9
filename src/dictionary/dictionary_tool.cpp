#include "dictionary/dictionary_tool.h"

#include "dictionary/frm_numerology_dictionary_main.h"
#include "shell/tool_registry.h"

void RegisterDictionaryTool() {
  shell::RegisterTool(shell::Tool::Dictionary, [] { frmNumerologyDictionaryMain::instance().Show(); });
}
