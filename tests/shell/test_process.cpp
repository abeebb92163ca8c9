// The real program's start and end, as separate processes.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>

namespace {
class Copy {
 public:
  Copy(const QString& runtime, const QString& mode) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime + QStringLiteral("/config"));
    env.insert(QStringLiteral("QZ_TEST_LOCK_FOLDER"), runtime + QStringLiteral("/lock"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QZ_HARNESS), {mode});
    process.waitForStarted(10000);
  }
  ~Copy() {
    if (process.state() != QProcess::NotRunning) {
      process.kill();
      process.waitForFinished(5000);
    }
  }
  // Reads standard output until the line appears or the time is up.
  bool waitFor(const QByteArray& line, int ms = 15000) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
      if (output.contains(line)) return true;
      process.waitForReadyRead(200);
      output += process.readAllStandardOutput();
      if (process.state() == QProcess::NotRunning) {
        output += process.readAllStandardOutput();
        return output.contains(line);
      }
    }
    return false;
  }
  QProcess process;
  QByteArray output;
};

QString freshRuntime(QTemporaryDir& dir) {
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return dir.path();
}
}  // namespace

TEST(Process, SecondCopyIsRefusedAndAStaleLockIsNot) {
  QTemporaryDir dir;
  const QString runtime = freshRuntime(dir);
  Copy first(runtime, QStringLiteral("run"));
  ASSERT_TRUE(first.waitFor("LAUNCHER")) << first.output.toStdString();

  Copy second(runtime, QStringLiteral("run"));
  ASSERT_TRUE(second.process.waitForFinished(15000));
  second.output += second.process.readAllStandardOutput();
  EXPECT_EQ(second.process.exitCode(), 0);
  EXPECT_TRUE(second.output.contains("MSGBOX Application is already running")) << second.output.toStdString();
  EXPECT_FALSE(second.output.contains("LAUNCHER"));
  EXPECT_FALSE(second.output.contains("There maybe an update"));

  // A copy killed outright leaves its lock behind; the next start is not blocked by it.
  ::kill(static_cast<pid_t>(first.process.processId()), SIGKILL);
  ASSERT_TRUE(first.process.waitForFinished(5000));
  Copy third(runtime, QStringLiteral("run"));
  EXPECT_TRUE(third.waitFor("LAUNCHER")) << third.output.toStdString();
}

TEST(Process, ExitDialogEndsTheProcess) {
  QTemporaryDir dir;
  Copy copy(freshRuntime(dir), QStringLiteral("exit"));
  ASSERT_TRUE(copy.waitFor("LAUNCHER"));
  ASSERT_TRUE(copy.process.waitForFinished(15000));
  copy.output += copy.process.readAllStandardOutput();
  EXPECT_EQ(copy.process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(copy.process.exitCode(), 0);
  EXPECT_TRUE(copy.output.contains("EXITDIALOG 1")) << copy.output.toStdString();
  EXPECT_FALSE(copy.output.contains("STILL RUNNING"));
}
