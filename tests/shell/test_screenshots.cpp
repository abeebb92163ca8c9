#include <gtest/gtest.h>

#include <QDir>

#include "common/test_support.h"
#include "shell/shell_windows.h"

// Saves the shell's windows as pictures when QZ_SCREENSHOT_DIR names a folder.
TEST(ShellScreenshots, LauncherAboutAndExitDialog) {
  const QString folder = qEnvironmentVariable("QZ_SCREENSHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "set QZ_SCREENSHOT_DIR to save the pictures";
  QDir().mkpath(folder);
  const struct {
    ui::Form* form;
    const char* file;
  } windows[] = {{&frmMain::instance(), "launcher.png"},
                 {&frmAbout::instance(), "about.png"},
                 {&frmNagScreen2::instance(), "exit-dialog.png"}};
  for (const auto& w : windows) {
    w.form->Show();
    EXPECT_TRUE(w.form->window()->grab().save(QDir(folder).filePath(QString::fromLatin1(w.file))));
  }
}
