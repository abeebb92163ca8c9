// Saves through symbolic links: a stranger's link in a shared folder is refused, no file is
// created through a link to nothing, and the user's own links are followed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/planted_links.h"
#include "services/file_io.h"
#include "services/settings_store.h"
#include "services/text_codec.h"

namespace {
const QByteArray kVictims = "the victim's own file\n";
const QByteArray kSaved = "reading\r\n";

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

bool write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

struct LinkCase {
  const char* what;
  QString link;    // planted as a link to target
  QString target;
  uid_t owner;
  QString saved;   // the path the save is given
  bool followed;   // the save wrote the target
};

// A child process running as another user (the child of a process without threads, so it may
// go on with the program's own code). run's number comes back to the parent through a pipe.
class AsUser {
 public:
  AsUser(uid_t user, const std::function<int()>& run) {
    int ends[2];
    if (::pipe(ends) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ends[0]);
      ::prctl(PR_SET_PDEATHSIG, SIGKILL);
      if (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0) ::_exit(2);
      const int result = run();
      (void)!::write(ends[1], &result, sizeof result);
      ::_exit(0);
    }
    ::close(ends[1]);
    result_ = ends[0];
  }
  ~AsUser() {
    stop();
    if (result_ >= 0) ::close(result_);
  }
  AsUser(const AsUser&) = delete;
  AsUser& operator=(const AsUser&) = delete;
  bool ok() const { return pid_ > 0; }
  // run's number, or nullopt when the child ended without one or took longer than timeoutMs.
  std::optional<int> result(int timeoutMs) {
    pollfd wait{result_, POLLIN, 0};
    int value = 0;
    if (::poll(&wait, 1, timeoutMs) != 1 || ::read(result_, &value, sizeof value) != sizeof value) return std::nullopt;
    return value;
  }
  void stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int result_ = -1;
};

// The stranger's part: swaps `name` (a file of theirs) and a link of theirs to `target`, with
// one system call a swap, until stopped.
int flipForEver(const QByteArray& name, const QByteArray& target) {
  const QByteArray link = name + ".link";
  const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, 0644);
  if (fd < 0 || ::write(fd, "the stranger's\n", 15) != 15 || ::close(fd) != 0) return 1;
  if (::symlink(target.constData(), link.constData()) != 0) return 1;
  for (;;) ::renameat2(AT_FDCWD, link.constData(), AT_FDCWD, name.constData(), RENAME_EXCHANGE);
}

// Saves to each case's path; a followed link has the target written and stays a link, a
// refused one leaves the target as it was (or missing) and says why.
void checkCases(const qztest::SharedFolder& folders, const std::vector<LinkCase>& cases) {
  for (const LinkCase& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(write(folders.home("diary.txt"), kVictims));
    QFile::remove(folders.home("autostart.desktop"));
    ASSERT_TRUE(qztest::PlantLink(c.target, c.link, c.owner));
    QString error;
    const bool saved = WriteWholeFile(c.saved, kSaved, &error);
    EXPECT_EQ(saved, c.followed) << error.toStdString();
    EXPECT_TRUE(QFileInfo(c.link).isSymLink());
    if (c.followed) {
      EXPECT_EQ(contents(folders.home("diary.txt")), kSaved);
    } else {
      EXPECT_EQ(contents(folders.home("diary.txt")), kVictims);
      EXPECT_FALSE(QFile::exists(folders.home("autostart.desktop")));
      EXPECT_TRUE(error.contains(QFileInfo(c.link).fileName())) << error.toStdString();
    }
    QFile::remove(c.link);
  }
}
}  // namespace

TEST(SaveLinks, OwnLinksAreFollowedAndNoFileIsCreatedThroughALinkToNothing) {
  const qztest::SharedFolder f;
  ASSERT_TRUE(f.ok());
  const uid_t me = ::geteuid();
  ASSERT_TRUE(qztest::PlantLink(f.home("autostart.desktop"), f.home("again.num")));
  checkCases(f, {
                    {"own link in a folder of one's own", f.home("mine.num"), f.home("diary.txt"), me,
                     f.home("mine.num"), true},
                    {"own relative link in the shared folder", f.shared("mine.num"), "../home/diary.txt", me,
                     f.shared("mine.num"), true},
                    {"own link through a linked folder", f.home("linked"), f.home(), me,
                     f.home("linked/diary.txt"), true},
                    {"own link to nothing", f.home("nothing.num"), f.home("autostart.desktop"), me,
                     f.home("nothing.num"), false},
                    {"own link to nothing in the shared folder", f.shared("nothing.num"),
                     f.home("autostart.desktop"), me, f.shared("nothing.num"), false},
                    {"link to a link to nothing", f.home("twice.num"), f.home("again.num"), me,
                     f.home("twice.num"), false},
                });
}

TEST(SaveLinks, AStrangersLinkInASharedFolderIsRefused) {
  if (!qztest::CanPlantStrangersLinks()) GTEST_SKIP() << qztest::kNeedsRootToPlant;
  const qztest::SharedFolder f;
  ASSERT_TRUE(f.ok());
  // A shared folder the stranger owns, and a folder open to everyone without the sticky bit.
  ASSERT_TRUE(QDir().mkpath(f.home("theirs")) && QDir().mkpath(f.home("open")));
  ASSERT_EQ(::chmod(QFile::encodeName(f.home("theirs")).constData(), 01777), 0);
  ASSERT_EQ(::chown(QFile::encodeName(f.home("theirs")).constData(), qztest::kStranger, qztest::kStranger), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(f.home("open")).constData(), 0777), 0);
  const uid_t them = qztest::kStranger;
  ASSERT_TRUE(qztest::PlantLink(f.shared("planted.num"), f.home("chain.num")));
  checkCases(f, {
                    {"stranger's link to a file", f.shared("name.num"), f.home("diary.txt"), them,
                     f.shared("name.num"), false},
                    {"stranger's link to nothing", f.shared("name.num"), f.home("autostart.desktop"), them,
                     f.shared("name.num"), false},
                    {"stranger's link to a folder", f.shared("folder"), f.home(), them,
                     f.shared("folder/diary.txt"), false},
                    {"own link to a stranger's link", f.shared("planted.num"), f.home("diary.txt"), them,
                     f.home("chain.num"), false},
                    // The kernel follows these too: the folder is the stranger's, or not sticky.
                    {"stranger's link in the stranger's shared folder", f.home("theirs/name.num"),
                     f.home("diary.txt"), them, f.home("theirs/name.num"), true},
                    {"stranger's link in a folder that is not sticky", f.home("open/name.num"), f.home("diary.txt"),
                     them, f.home("open/name.num"), true},
                });
}

TEST(SaveLinks, TheSettingsAreNotWrittenThroughAStrangersLink) {
  if (!qztest::CanPlantStrangersLinks()) GTEST_SKIP() << qztest::kNeedsRootToPlant;
  const qztest::SharedFolder f;
  ASSERT_TRUE(f.ok());
  // The settings' folder made shared for the test, with the settings file a stranger's link.
  const QString path = settings::FilePath();
  const QByteArray folder = QFile::encodeName(QFileInfo(path).path());
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
  struct stat before;
  ASSERT_EQ(::stat(folder.constData(), &before), 0);
  ASSERT_EQ(::chmod(folder.constData(), 01777), 0);
  QSettings victims(f.home("victim.ini"), QSettings::IniFormat);
  victims.setValue(QStringLiteral("Settings/") + EncodeText(QStringLiteral("Duration")), EncodeText("1/1/2000"));
  victims.sync();
  const QByteArray kept = contents(f.home("victim.ini"));
  ASSERT_TRUE(qztest::PlantLink(f.home("victim.ini"), path, qztest::kStranger));

  EXPECT_EQ(settings::ReadDuration(), QString());
  settings::WriteDuration(QStringLiteral("12/10/2026"));
  settings::RemoveDuration();
  EXPECT_EQ(contents(f.home("victim.ini")), kept);
  EXPECT_TRUE(QFileInfo(path).isSymLink());

  QFile::remove(path);
  ::chmod(folder.constData(), before.st_mode & 07777);
  // The same link of the user's own is followed.
  ASSERT_TRUE(qztest::PlantLink(f.home("victim.ini"), path));
  EXPECT_EQ(settings::ReadDuration(), QStringLiteral("1/1/2000"));
  QFile::remove(path);
}

// A stranger who flips a name in a shared folder between a file and a link to the user's file
// while the user saves to that name, many times: the save never writes through the link.
TEST(SaveLinks, ALinkFlippedInDuringASaveIsNeverFollowed) {
  if (!qztest::CanPlantStrangersLinks()) GTEST_SKIP() << "running as two other users needs root";
  ASSERT_EQ(QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1)
      << "the saving child must be forked from a process without threads";
  // Outside the test's private folders, so that both users reach it; in memory where there is
  // a shared folder there, so that the saves go fast.
  QByteArray base = QFileInfo("/dev/shm").isDir() ? "/dev/shm/qz-save-race-XXXXXX" : "/tmp/qz-save-race-XXXXXX";
  ASSERT_NE(::mkdtemp(base.data()), nullptr) << std::strerror(errno);
  const QString root = QFile::decodeName(base);
  const uid_t user = qztest::kStranger - 1;
  const QByteArray home = base + "/home", shared = base + "/shared";
  ASSERT_EQ(::chmod(base.constData(), 0755), 0);
  ASSERT_TRUE(::mkdir(home.constData(), 0700) == 0 && ::chown(home.constData(), user, user) == 0);
  ASSERT_TRUE(::mkdir(shared.constData(), 0777) == 0 && ::chmod(shared.constData(), 01777) == 0);
  const QString diary = root + "/home/diary.txt", name = root + "/shared/name.num";
  ASSERT_TRUE(write(diary, kVictims));
  ASSERT_EQ(::chown(QFile::encodeName(diary).constData(), user, user), 0);

  constexpr int kSaves = 3000;
  const QByteArray flipped = QFile::encodeName(name), target = QFile::encodeName(diary);
  AsUser stranger(qztest::kStranger, [&] { return flipForEver(flipped, target); });
  ASSERT_TRUE(stranger.ok());
  ASSERT_TRUE(qztest::WaitFor([&] { return QFileInfo(name + ".link").isSymLink(); }, 5000));
  // The user saves; each time the file was written through the link it is put back.
  AsUser saver(user, [&] {
    int written = 0;
    for (int i = 0; i < kSaves; ++i) {
      WriteWholeFile(name, kSaved);
      if (contents(diary) != kVictims) {
        ++written;
        write(diary, kVictims);
      }
    }
    return written;
  });
  ASSERT_TRUE(saver.ok());
  const std::optional<int> written = saver.result(120000);
  stranger.stop();
  ASSERT_TRUE(written.has_value()) << "the saves did not end";
  EXPECT_EQ(*written, 0) << "of " << kSaves << " saves, " << *written << " wrote the user's file through the link";
  EXPECT_EQ(contents(diary), kVictims);
  // No temporary file of a save is left behind.
  for (const QString& folder : {root + "/shared", root + "/home"})
    for (const QString& entry :
         QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
      EXPECT_TRUE(entry.startsWith("name.num") || entry == "diary.txt") << entry.toStdString();
  QDir(root).removeRecursively();
}
