// Files of the wrong kind (FIFO, socket, device, folder) and oversized settings: no reader
// waits on them and no save blocks.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

#include "common/non_regular_files.h"
#include "common/test_support.h"
#include "services/calendar.h"
#include "services/file_io.h"
#include "services/settings_store.h"
#include "services/text_codec.h"
#include "services/update_reminder.h"

using qztest::seams;

namespace {
QString makeRegular(const QString& name, const QByteArray& bytes) {
  const QString path = qztest::TempPath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(bytes);
  return path;
}

// Removes a folder when the code under test has not returned in time (so that a wait for the
// name to be free ends), and the test fails instead of hanging.
class FolderGuard {
 public:
  explicit FolderGuard(const QString& folder) : folder_(folder), watchdog_([this] { watch(); }) {}
  ~FolderGuard() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    wake_.notify_all();
    watchdog_.join();
    EXPECT_FALSE(fired_) << "waited on the folder " << folder_.toStdString();
  }
  FolderGuard(const FolderGuard&) = delete;
  FolderGuard& operator=(const FolderGuard&) = delete;

 private:
  void watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (wake_.wait_for(lock, std::chrono::seconds(5), [this] { return done_; })) return;
    fired_ = true;
    QDir().rmdir(folder_);
  }
  QString folder_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  bool fired_ = false;
  std::thread watchdog_;
};
}  // namespace

TEST(NonRegularFiles, OnlyARegularFileIsRead) {
  const QString fifo = qztest::TempPath("reading.fifo");
  ASSERT_TRUE(qztest::MakeFifo(fifo));
  qztest::SocketFile socket(qztest::TempPath("reading.sock"));
  ASSERT_TRUE(socket.ok());
  const QString fifoLink = qztest::TempPath("fifo-link.num");
  QFile::remove(fifoLink);
  ASSERT_TRUE(QFile::link(fifo, fifoLink));
  const QString regular = makeRegular("plain.num", "line one\r\nline two\r\n");
  const QString regularLink = qztest::TempPath("plain-link.num");
  QFile::remove(regularLink);
  ASSERT_TRUE(QFile::link(regular, regularLink));

  const struct {
    QString path;
    bool regular;
  } cases[] = {
      {fifo, false},
      {qztest::TempPath("reading.sock"), false},
      {fifoLink, false},
      {QStringLiteral("/dev/zero"), false},
      {QStringLiteral("/dev/null"), false},
      {QDir::tempPath(), false},
      {qztest::TempPath("no such file"), false},
      {QString(), false},
      {regular, true},
      {regularLink, true},
  };
  for (const auto& c : cases) {
    qztest::FifoGuard guard(fifo);
    qint64 size = -1;
    EXPECT_EQ(IsRegularFile(c.path, &size), c.regular) << c.path.toStdString();
    const std::optional<QByteArray> head = ReadFileHead(c.path);
    const std::optional<QByteArray> whole = ReadSmallFile(c.path, 1000);
    EXPECT_EQ(head.has_value(), c.regular) << c.path.toStdString();
    EXPECT_EQ(whole.has_value(), c.regular) << c.path.toStdString();
    if (c.regular) {
      EXPECT_EQ(size, 20);
      EXPECT_EQ(*head, QByteArray("line one\r\nline two\r\n"));
      EXPECT_EQ(*whole, *head);
    }
  }
}

TEST(NonRegularFiles, ASmallFileReadIsRefusedOverItsLimit) {
  const QString path = makeRegular("big.jpg", QByteArray(1001, 'x'));
  EXPECT_FALSE(ReadSmallFile(path, 1000).has_value());
  ASSERT_TRUE(ReadSmallFile(path, 1001).has_value());
  EXPECT_EQ(ReadSmallFile(path, 1001)->size(), 1001);
  EXPECT_EQ(ReadFileHead(path, 10)->size(), 10);
}

TEST(NonRegularFiles, ASaveRefusesAFifoAndASocketButWritesADeviceInPlace) {
  const QString fifo = qztest::TempPath("save.fifo");
  ASSERT_TRUE(qztest::MakeFifo(fifo));
  const QString socketPath = qztest::TempPath("save.sock");
  qztest::SocketFile socket(socketPath);
  ASSERT_TRUE(socket.ok());
  const QString fifoLink = qztest::TempPath("save-link.num");
  QFile::remove(fifoLink);
  ASSERT_TRUE(QFile::link(fifo, fifoLink));

  for (const QString& path : {fifo, socketPath, fifoLink}) {
    qztest::FifoGuard guard(fifo);
    QString error;
    EXPECT_FALSE(WriteWholeFile(path, "reading\r\n", &error)) << path.toStdString();
    EXPECT_FALSE(error.isEmpty()) << path.toStdString();
  }
  // Neither was replaced by a regular file.
  EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
  EXPECT_TRUE(QFileInfo(socketPath).exists() && !QFileInfo(socketPath).isFile());
  EXPECT_TRUE(QFileInfo(fifoLink).isSymLink());

  EXPECT_TRUE(WriteWholeFile(QStringLiteral("/dev/null"), "reading\r\n"));
  QString error;
  EXPECT_FALSE(WriteWholeFile(QStringLiteral("/dev/full"), "reading\r\n", &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(QFileInfo(QStringLiteral("/dev/full")).exists() && !QFileInfo(QStringLiteral("/dev/full")).isFile());

  const QString regular = qztest::TempPath("saved.num");
  EXPECT_TRUE(WriteWholeFile(regular, "reading\r\n"));
  EXPECT_EQ(ReadFileHead(regular), QByteArray("reading\r\n"));
}

class SettingsFile : public qztest::SeamTest {
 protected:
  void SetUp() override {
    SeamTest::SetUp();
    path = settings::FilePath();
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    qztest::SetToday(QDate(2026, 12, 10));
  }
  void TearDown() override {
    QFile::remove(path);
    qztest::SetToday(QDate());
    SeamTest::TearDown();
  }
  // A settings file holding a date text, padded with a comment to the given size.
  void writeSettings(const QString& date, qsizetype size) {
    QSettings probe(qztest::TempPath("probe.ini"), QSettings::IniFormat);
    probe.setValue(QStringLiteral("Settings/") + EncodeText(QStringLiteral("Duration")), EncodeText(date));
    probe.sync();
    QFile made(probe.fileName());
    made.open(QIODevice::ReadOnly);
    QByteArray content = made.readAll();
    content.prepend("; " + QByteArray(qMax<qsizetype>(0, size - content.size() - 3), 'x') + "\n");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
  }
  QString path;
};

TEST_F(SettingsFile, LivesWhereQSettingsPutsTheUsersFile) {
  const QString app = settings::ApplicationName();
  EXPECT_EQ(path, QSettings(QSettings::IniFormat, QSettings::UserScope, app, app).fileName());
}

TEST_F(SettingsFile, AFifoIsTreatedAsMissingAndLeftAlone) {
  ASSERT_TRUE(qztest::MakeFifo(path));
  {
    qztest::FifoGuard guard(path);
    EXPECT_EQ(settings::ReadDuration(), QString());
    RemindToCheckForUpdate();
    EXPECT_TRUE(seams().messages.empty());
    settings::WriteDuration(QStringLiteral("1/1/2000"));
    settings::RemoveDuration();
  }
  EXPECT_TRUE(QFileInfo(path).exists() && !QFileInfo(path).isFile());
}

TEST_F(SettingsFile, OnlyASmallFileIsRead) {
  const QString old = QStringLiteral("1 Jan 2000");
  writeSettings(old, 64 * 1024);
  EXPECT_EQ(QFileInfo(path).size(), 64 * 1024);
  EXPECT_EQ(settings::ReadDuration(), old);

  // One byte more: missing, and neither read nor rewritten by the reminder.
  writeSettings(old, 64 * 1024 + 1);
  const QDateTime before = QFileInfo(path).lastModified();
  EXPECT_EQ(settings::ReadDuration(), QString());
  RemindToCheckForUpdate();
  EXPECT_TRUE(seams().messages.empty());
  EXPECT_EQ(QFileInfo(path).size(), 64 * 1024 + 1);
  EXPECT_EQ(QFileInfo(path).lastModified(), before);
}

TEST_F(SettingsFile, ALockFileNameOfAnotherKindIsNeverWaitedOn) {
  // Another program's FIFO or folder where QSettings keeps its lock file.
  const QString lock = path + QStringLiteral(".lock");
  const QString today = calendar::ShortDateText(QDate(2026, 12, 10));
  for (const bool fifo : {true, false}) {
    SCOPED_TRACE(fifo ? "a FIFO" : "a folder");
    QFile::remove(path);
    ASSERT_TRUE(fifo ? qztest::MakeFifo(lock) : QDir().mkdir(lock));
    {
      std::optional<qztest::FifoGuard> fifoGuard;
      std::optional<FolderGuard> folderGuard;
      if (fifo)
        fifoGuard.emplace(lock);
      else
        folderGuard.emplace(lock);
      QElapsedTimer clock;
      clock.start();
      RemindToCheckForUpdate();  // nothing stored yet: today is stored
      EXPECT_EQ(settings::ReadDuration(), today);
      settings::WriteDuration(QStringLiteral("1/1/2000"));
      EXPECT_EQ(settings::ReadDuration(), QStringLiteral("1/1/2000"));
      settings::RemoveDuration();
      EXPECT_EQ(settings::ReadDuration(), QString());
      settings::WriteDuration(today);
      EXPECT_LT(clock.elapsed(), 2000);
    }
    EXPECT_TRUE(seams().messages.empty());
    // The file is one QSettings reads as it always did; the other program's file is left alone.
    EXPECT_EQ(DecodeText(QSettings(path, QSettings::IniFormat)
                             .value(QStringLiteral("Settings/") + EncodeText(QStringLiteral("Duration")))
                             .toString()),
              today);
    EXPECT_TRUE(QFileInfo(lock).exists() && (fifo ? !QFileInfo(lock).isFile() : QFileInfo(lock).isDir()));
    if (fifo)
      QFile::remove(lock);
    else
      QDir().rmdir(lock);
  }
}

TEST_F(SettingsFile, AFileQSettingsCannotParseIsWrittenAnew) {
  qztest::WriteAll(path, QByteArray::fromHex("8684878487858789"));
  EXPECT_EQ(settings::ReadDuration(), QString());
  RemindToCheckForUpdate();
  EXPECT_EQ(settings::ReadDuration(), calendar::ShortDateText(QDate(2026, 12, 10)));
}
