#include "shell/unload_all.h"

#include "ui/form.h"

void UnloadAllAndEnd() {
  static bool ending = false;
  if (ending) return;  // the pass under way ends the process
  ending = true;
  for (ui::Form* form : ui::Form::LoadedForms()) {
    try {
      form->Unload();
    } catch (...) {
      // a failing unload does not stop the pass
    }
  }
  ending = false;
  ui::EndProcess(0);
}
