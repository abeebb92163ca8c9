// Test entry point: one QApplication for the process, offscreen, with its own settings
// and runtime folders, and every dialog of the window layer answered by the test seams.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "common/test_support.h"

namespace {
// Every test starts on the process state of the one before put back.
class PutBackBeforeEachTestListener : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override { qztest::PutBackProcessState(); }
};
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath("config").toLocal8Bit());
  qputenv("XDG_DATA_HOME", QDir(home.path()).filePath("data").toLocal8Bit());
  const QString runtime = QDir(home.path()).filePath("runtime");
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());

  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new qztest::SeamEnvironment);
  testing::UnitTest::GetInstance()->listeners().Append(new PutBackBeforeEachTestListener);
  return RUN_ALL_TESTS();
}
