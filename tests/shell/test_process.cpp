// The real program's start and end, as separate processes.
#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>

#include "services/calendar.h"
#include "services/text_codec.h"
#include "shell/child_process.h"

namespace {
// A copy of the program started as its own process, with its runtime, settings and lock
// folders under runtime.
class Copy : public shelltest::ChildProcess {
 public:
  Copy(const QString& runtime, const QString& mode)
      : ChildProcess(QStringLiteral(QZ_HARNESS), {mode}, environment(runtime)) {}

 private:
  static QProcessEnvironment environment(const QString& runtime) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime + QStringLiteral("/config"));
    env.insert(QStringLiteral("QZ_TEST_LOCK_FOLDER"), runtime + QStringLiteral("/lock"));
    return env;
  }
};

QString freshRuntime(QTemporaryDir& dir) {
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return dir.path();
}
}  // namespace

namespace {
// The stored reminder date of the copies run with this runtime folder, as the program keeps it.
class StoredDate {
 public:
  explicit StoredDate(const QString& runtime) {
    QDirIterator it(runtime + QStringLiteral("/config"), {QStringLiteral("*.ini")}, QDir::Files,
                    QDirIterator::Subdirectories);
    if (it.hasNext()) path_ = it.next();
  }
  bool found() const { return !path_.isEmpty(); }
  QString raw() const { return QSettings(path_, QSettings::IniFormat).value(key()).toString(); }
  QString decoded() const { return DecodeText(raw()); }
  void write(const QDate& date) {
    QSettings s(path_, QSettings::IniFormat);
    s.setValue(key(), EncodeText(calendar::ShortDateText(date)));
    s.sync();
  }

 private:
  static QString key() { return QStringLiteral("Settings/") + EncodeText(QStringLiteral("Duration")); }
  QString path_;
};
}  // namespace

TEST(Process, SecondCopyIsRefusedAndAStaleLockIsNot) {
  QTemporaryDir dir;
  const QString runtime = freshRuntime(dir);
  Copy first(runtime, QStringLiteral("run"));
  ASSERT_TRUE(first.waitFor("LAUNCHER")) << first.output.toStdString();

  // The first start stored today; a date a month old makes the next start that gets through ask.
  StoredDate stored(runtime);
  ASSERT_TRUE(stored.found());
  EXPECT_EQ(stored.decoded(), calendar::ShortDateText(QDate::currentDate()));
  stored.write(QDate::currentDate().addDays(-30));
  const QString old = stored.raw();

  Copy second(runtime, QStringLiteral("run"));
  ASSERT_TRUE(second.process.waitForFinished(15000));
  second.output += second.process.readAllStandardOutput();
  EXPECT_EQ(second.process.exitCode(), 0);
  EXPECT_TRUE(second.output.contains("MSGBOX Application is already running")) << second.output.toStdString();
  EXPECT_FALSE(second.output.contains("LAUNCHER"));
  EXPECT_FALSE(second.output.contains("There maybe an update"));
  EXPECT_EQ(stored.raw(), old);

  // A copy killed outright leaves its lock behind; the next start is not blocked by it,
  // and it is the one that asks about the update and stores today.
  ::kill(static_cast<pid_t>(first.process.processId()), SIGKILL);
  ASSERT_TRUE(first.process.waitForFinished(5000));
  Copy third(runtime, QStringLiteral("run"));
  EXPECT_TRUE(third.waitFor("LAUNCHER")) << third.output.toStdString();
  EXPECT_TRUE(third.output.contains("MSGBOX There maybe an update")) << third.output.toStdString();
  EXPECT_EQ(stored.decoded(), calendar::ShortDateText(QDate::currentDate()));
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

// Started where no window system can be reached, the program says what it needs and how to run
// it without a desktop, not Qt's advice to reinstall.
TEST(Process, WithoutADisplayItSaysSo) {
  const QString program = qEnvironmentVariable("QZ_PROGRAM_DIR") + QStringLiteral("/QZFreeOrbalinth");
  ASSERT_TRUE(QFileInfo(program).isExecutable()) << program.toStdString();
  QTemporaryDir dir;
  const QString runtime = freshRuntime(dir);
  struct Case {
    const char* display;  // nullptr: not set
    const char* reason;
  };
  for (const Case& c : {Case{nullptr, "neither DISPLAY nor WAYLAND_DISPLAY is set"},
                        Case{":4093", "could not connect to display :4093"}}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(QString::fromLatin1(name));
    if (c.display) env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(c.display));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime + QStringLiteral("/config"));
    QProcess copy;
    copy.setProcessEnvironment(env);
    copy.start(program, {});
    ASSERT_TRUE(copy.waitForFinished(15000)) << c.reason;
    const QString said = QString::fromLocal8Bit(copy.readAllStandardError());
    EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit) << c.reason;
    EXPECT_EQ(copy.exitCode(), 1) << c.reason;
    EXPECT_TRUE(said.contains(QStringLiteral("QZ Orbalinth is a desktop program"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QLatin1String(c.reason))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("xvfb-run -a scripts/run"))) << said.toStdString();
    EXPECT_FALSE(said.contains(QStringLiteral("Reinstalling"))) << said.toStdString();
  }
}
