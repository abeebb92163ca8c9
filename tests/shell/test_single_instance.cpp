// The single-instance lock: one place per user whatever the environment, "already running"
// only while a live copy holds it, and a start without a lock when none can be made.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

#include "shell/child_process.h"
#include "shell/single_instance.h"

namespace {
const QByteArray kAlreadyRunning = "MSGBOX Application is already running";

// A copy of the shell started as its own process, with its own settings folder.
using Shell = shelltest::ChildProcess;

// The test's own environment: offscreen, settings in a private folder, no runtime folder.
QProcessEnvironment environment(const QString& home) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("HOME"), home);
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
  env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  env.remove(QStringLiteral("QZ_TEST_LOCK_FOLDER"));
  return env;
}

QString privateFolder(const QString& path) {
  QDir().mkpath(path);
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return path;
}
}  // namespace

TEST(SingleInstance, TheLockFolderIsTheSameInEveryEnvironment) {
  const QString expected = QStringLiteral("/tmp/qz-orbalinth-") + QString::number(::geteuid());
  const QByteArray names[] = {"XDG_RUNTIME_DIR", "TMPDIR", "HOME"};
  QList<QByteArray> saved;
  for (const QByteArray& name : names) saved << qgetenv(name.constData());
  EXPECT_EQ(DefaultInstanceLockFolder(), expected);
  for (const QByteArray& name : names) qputenv(name.constData(), "/somewhere/else");
  EXPECT_EQ(DefaultInstanceLockFolder(), expected);
  for (const QByteArray& name : names) qunsetenv(name.constData());
  EXPECT_EQ(DefaultInstanceLockFolder(), expected);
  for (int i = 0; i < saved.size(); ++i)
    if (!saved[i].isNull()) qputenv(names[i].constData(), saved[i]);
}

TEST(SingleInstance, OnlyAPrivateFolderOfTheUsersOwnHoldsTheLock) {
  QTemporaryDir dir;
  auto path = [&dir](const char* name) { return QDir(dir.path()).filePath(QString::fromLatin1(name)); };
  auto mode = [](const QString& p) {
    struct stat st {};
    ::lstat(QFile::encodeName(p).constData(), &st);
    return st.st_mode & 07777;
  };

  // Made when missing, private whatever the umask.
  const mode_t oldMask = ::umask(0);
  EXPECT_TRUE(PrepareLockFolder(path("fresh")));
  ::umask(oldMask);
  EXPECT_EQ(mode(path("fresh")), 0700u);
  EXPECT_TRUE(PrepareLockFolder(path("fresh")));  // and used again

  // Open to others, a link, a file, or a folder that cannot be made: not used, left as it is.
  QDir().mkpath(path("open"));
  ::chmod(QFile::encodeName(path("open")).constData(), 0777);
  EXPECT_FALSE(PrepareLockFolder(path("open")));
  EXPECT_EQ(mode(path("open")), 0777u);
  ::chmod(QFile::encodeName(path("open")).constData(), 0750);
  EXPECT_FALSE(PrepareLockFolder(path("open")));
  ASSERT_TRUE(QFile::link(path("fresh"), path("link")));
  EXPECT_FALSE(PrepareLockFolder(path("link")));
  QFile file(path("file"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_FALSE(PrepareLockFolder(path("file")));
  EXPECT_FALSE(PrepareLockFolder(path("no/such/parent")));
  EXPECT_FALSE(PrepareLockFolder(QString()));

  // Made first by another user (the test can hand a folder over only when it runs as root).
  if (::geteuid() == 0) {
    QDir().mkpath(path("theirs"));
    ::chmod(QFile::encodeName(path("theirs")).constData(), 0700);
    ASSERT_EQ(::chown(QFile::encodeName(path("theirs")).constData(), 65534, 65534), 0);
    EXPECT_FALSE(PrepareLockFolder(path("theirs")));
  }
}

// The program's own place, with and without a runtime folder. A copy of the shell under a name
// of this run's own keeps its lock file apart from every other test run on the machine.
TEST(SingleInstance, CopiesWithAndWithoutARuntimeFolderShareOneLock) {
  QTemporaryDir dir;
  const QString program = QDir(dir.path()).filePath(QStringLiteral("qz-shell-%1").arg(::getpid()));
  ASSERT_TRUE(QFile::copy(QStringLiteral(QZ_HARNESS), program));
  const QString lockFile =
      DefaultInstanceLockFolder() + QLatin1Char('/') + QFileInfo(program).completeBaseName() + QStringLiteral(".lock");

  QProcessEnvironment withRuntime = environment(privateFolder(dir.path() + QStringLiteral("/one")));
  withRuntime.insert(QStringLiteral("XDG_RUNTIME_DIR"), privateFolder(dir.path() + QStringLiteral("/one/runtime")));
  withRuntime.insert(QStringLiteral("TMPDIR"), dir.path());
  Shell first(program, {QStringLiteral("run")}, withRuntime);
  ASSERT_TRUE(first.waitFor("LAUNCHER")) << first.output.toStdString();
  EXPECT_TRUE(QFileInfo::exists(lockFile));

  Shell second(program, {QStringLiteral("run")}, environment(privateFolder(dir.path() + QStringLiteral("/two"))));
  ASSERT_TRUE(second.process.waitForFinished(15000));
  second.output += second.process.readAllStandardOutput();
  EXPECT_TRUE(second.output.contains(kAlreadyRunning)) << second.output.toStdString();
  EXPECT_FALSE(second.output.contains("LAUNCHER"));

  first.process.kill();
  first.process.waitForFinished(5000);
  QFile::remove(lockFile);
}

TEST(SingleInstance, WithoutALockTheProgramStarts) {
  QTemporaryDir dir;
  const QString home = privateFolder(dir.path() + QStringLiteral("/home"));
  const QString openFolder = dir.path() + QStringLiteral("/open");
  QDir().mkpath(openFolder);
  ::chmod(QFile::encodeName(openFolder).constData(), 0777);
  const QString lockIsAFolder = privateFolder(dir.path() + QStringLiteral("/folder"));
  QDir().mkpath(lockIsAFolder + QStringLiteral("/qz_shell_harness.lock"));
  const QString fresh = dir.path() + QStringLiteral("/fresh");

  const struct {
    const char* what;
    QString lockFolder;
    QString runtime;
    bool sizeLimit;
    bool locked;  // a lock could be made after all: the second copy is refused
  } cases[] = {
      {"a lock folder that cannot be made", QStringLiteral("/proc/qz-orbalinth-test"), QString(), false, false},
      {"a lock folder open to everyone", openFolder, QString(), false, false},
      {"a folder where the lock file goes", lockIsAFolder, QString(), false, false},
      // No byte can be written, as on a full disk; the settings cannot be written either.
      {"a file-size limit of nothing", fresh + QStringLiteral("/1"), QString(), true, false},
      // The runtime folder plays no part.
      {"a runtime folder that cannot be used", fresh + QStringLiteral("/2"), QStringLiteral("/proc/qz-no-runtime"),
       false, true},
  };
  QDir().mkpath(fresh);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QProcessEnvironment env = environment(home);
    env.insert(QStringLiteral("QZ_TEST_LOCK_FOLDER"), c.lockFolder);
    if (!c.runtime.isEmpty()) env.insert(QStringLiteral("XDG_RUNTIME_DIR"), c.runtime);
    const QString program = c.sizeLimit ? QStringLiteral("/bin/bash") : QStringLiteral(QZ_HARNESS);
    const QStringList args = c.sizeLimit
                                 ? QStringList{QStringLiteral("-c"), QStringLiteral("ulimit -f 0; exec \"$0\" run"),
                                               QStringLiteral(QZ_HARNESS)}
                                 : QStringList{QStringLiteral("run")};
    // Two copies: without a lock neither claims that the other runs.
    Shell one(program, args, env);
    ASSERT_TRUE(one.waitFor("LAUNCHER")) << one.output.toStdString();
    Shell two(program, args, env);
    if (c.locked) {
      EXPECT_TRUE(two.waitFor(kAlreadyRunning)) << two.output.toStdString();
    } else {
      EXPECT_TRUE(two.waitFor("LAUNCHER")) << two.output.toStdString();
      EXPECT_FALSE(two.output.contains(kAlreadyRunning));
    }
    EXPECT_FALSE(one.output.contains(kAlreadyRunning));
    EXPECT_EQ(one.process.state(), QProcess::Running);
  }
}
