#pragma once
// The about box: the suite's name and version, with links to the site.
#include "ui/form.h"

class frmAbout : public ui::FormOf<frmAbout> {
 public:
  frmAbout() : FormOf("frmAbout") {}
  void cmdOK_Click() { Unload(); }

 protected:
  void CreateControls(QMainWindow* window) override;
};
