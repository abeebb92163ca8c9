#include "dictionary_tool.h"

#include "frm_numerology_dictionary_main.h"
#include "tool_registry.h"

void RegisterDictionaryTool() {
  shell::RegisterTool(3, [] { frmNumerologyDictionaryMain::instance().Show(); });
}
