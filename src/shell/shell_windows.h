#pragma once
// The shell's windows as the tools use them.
//   frmMain::instance().Show();          the launcher, when a tool's window closes
//   frmMain::instance().Hide();
//   frmAbout::instance().ShowModal();    every "&About Software" item
//   frmNagScreen2::instance().Hide();    loads the exit dialog hidden
#include "frm_about.h"
#include "frm_main.h"
#include "frm_nag_screen2.h"
#include "tool_registry.h"
