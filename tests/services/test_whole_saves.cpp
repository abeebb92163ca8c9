// A save writes a new file beside the old one and renames it into place: the old file is
// replaced whole or kept as it was, its permissions carry over, and nothing is left behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include "common/test_support.h"
#include "services/file_io.h"

namespace {
struct stat statOf(const QString& path) {
  struct stat st {};
  ::stat(QFile::encodeName(path).constData(), &st);
  return st;
}

QStringList entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Sets the process's umask while it lives.
class Umask {
 public:
  explicit Umask(mode_t mask) : old_(::umask(mask)) {}
  ~Umask() { ::umask(old_); }

 private:
  mode_t old_;
};
}  // namespace

TEST(WholeSaves, AnExistingFileIsReplacedWholeAndKeepsItsPermissions) {
  const QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0664)}) {
    SCOPED_TRACE(mode);
    const QString path = dir.filePath("kept.num");
    qztest::WriteAll(path, QByteArray(10000, 'o') + "\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
    const ino_t before = statOf(path).st_ino;
    ASSERT_TRUE(WriteWholeFile(path, "new\r\n"));
    EXPECT_EQ(qztest::ReadAll(path), QByteArray("new\r\n"));
    EXPECT_EQ(statOf(path).st_mode & 07777, mode);
    EXPECT_NE(statOf(path).st_ino, before) << "written in place, not replaced";
    EXPECT_EQ(entries(dir.path()), QStringList{"kept.num"});
  }
}

TEST(WholeSaves, ANewFileGetsThePermissionsTheUmaskLeaves) {
  const QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const auto& [mask, mode] : {std::pair{mode_t(022), mode_t(0644)}, std::pair{mode_t(027), mode_t(0640)},
                                   std::pair{mode_t(077), mode_t(0600)}}) {
    SCOPED_TRACE(mask);
    const QString path = dir.filePath(QStringLiteral("new-%1.num").arg(mask, 0, 8));
    {
      const Umask umask(mask);
      ASSERT_TRUE(WriteWholeFile(path, "new\r\n"));
    }
    EXPECT_EQ(statOf(path).st_mode & 07777, mode);
  }
}

TEST(WholeSaves, AFailedSaveKeepsTheOldFileAndLeavesNothingBehind) {
  const QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("old.num");
  const QByteArray old = "the old reading\r\n";
  qztest::WriteAll(path, old);
  struct Case {
    const char* what;
    long limit;  // the file-size limit while saving
    QByteArray data;
  };
  for (const Case& c : {Case{"no byte may be written", 0, QByteArray(100, 'x')},
                        Case{"past the limit part way", 4096, QByteArray(100000, 'x')}}) {
    SCOPED_TRACE(c.what);
    QString error;
    {
      qztest::FileSizeLimit limit(c.limit);
      ASSERT_TRUE(limit.ok());
      EXPECT_FALSE(WriteWholeFile(path, c.data, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(qztest::ReadAll(path), old);
    EXPECT_EQ(entries(dir.path()), QStringList{"old.num"});
  }
  // A file the user may not write is kept as well (root may write any file).
  if (::geteuid() != 0) {
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    QString error;
    EXPECT_FALSE(WriteWholeFile(path, "new\r\n", &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_EQ(qztest::ReadAll(path), old);
  }
}

TEST(WholeSaves, AnOwnLinkIsFollowedAndStaysALink) {
  const QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkpath("files") && QDir(dir.path()).mkpath("links"));
  const QString target = dir.filePath("files/reading.num"), link = dir.filePath("links/reading.num");
  qztest::WriteAll(target, "old\r\n");
  ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
  ASSERT_TRUE(QFile::link("../files/reading.num", link));
  ASSERT_TRUE(WriteWholeFile(link, "new\r\n"));
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(qztest::ReadAll(target), QByteArray("new\r\n"));
  EXPECT_EQ(statOf(target).st_mode & 07777, mode_t(0640));
  EXPECT_EQ(entries(dir.filePath("files")), QStringList{"reading.num"});
  EXPECT_EQ(entries(dir.filePath("links")), QStringList{"reading.num"});
}
