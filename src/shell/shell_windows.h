#pragma once
// The shell's windows as the tools use them.
//   frmMain::instance().Show();          the launcher, when a tool's window closes
//   frmMain::instance().Hide();
//   frmAbout::instance().ShowModal();    every "&About Software" item
//   frmNagScreen2::instance().Hide();    loads the exit dialog hidden
#include "shell/frm_about.h"
#include "shell/frm_main.h"
#include "shell/frm_nag_screen2.h"
#include "shell/tool_registry.h"
