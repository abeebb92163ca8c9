// A real copy of the shell for process tests: the launcher's start-up and end, with message
// boxes answered on standard output.
//   harness run   start-up; prints LAUNCHER once the launcher shows, then runs until killed
//   harness exit  start-up, then closes the launcher and presses Exit on the exit dialog
// QZ_TEST_LOCK_FOLDER, when set, holds the single-instance lock instead of the user's own
// folder, so that test runs side by side do not see each other's copies.
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "services/file_io.h"
#include "shell/shell_windows.h"
#include "shell/single_instance.h"
#include "ui/msgbox.h"

int main(int argc, char** argv) {
  IgnoreFileSizeLimitSignal();
  SetInstanceLockFolder(qEnvironmentVariable("QZ_TEST_LOCK_FOLDER"));
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("run");
  ui::SetMsgBoxHandler([](const ui::MsgBoxCall& call) {
    std::printf("MSGBOX %s\n", call.prompt.toUtf8().constData());
    std::fflush(stdout);
    return call.style == ui::MsgStyle::YesNoInformation ? ui::MsgAnswer::No : ui::MsgAnswer::Ok;
  });
  StartSuite();
  if (frmMain::instance().IsVisible()) {
    std::printf("LAUNCHER\n");
    std::fflush(stdout);
  }
  if (mode == QLatin1String("exit")) {
    QTimer::singleShot(200, [] {
      frmMain::instance().window()->close();
      std::printf("EXITDIALOG %d\n", frmNagScreen2::instance().IsVisible() ? 1 : 0);
      std::fflush(stdout);
      frmNagScreen2::instance().control<QPushButton>(QStringLiteral("cmdClose"))->click();
      std::printf("STILL RUNNING\n");
    });
  }
  return app.exec();
}
