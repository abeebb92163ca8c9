#include "sweep/sweep_support.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <optional>

#include "common/non_regular_files.h"
#include "common/test_support.h"
#include "services/calendar.h"

namespace sweep {
std::vector<NameCase> NameCases() {
  return {
      {"empty", QString()},
      {"one letter", QStringLiteral("A")},
      {"10,000 letters", QString(10000, QLatin1Char('Q'))},
      {"10,000 blanks", QString(10000, QLatin1Char(' '))},
      {"Greek", QStringLiteral("ΑΛΈΞΑΝΔΡΟΣ")},
      {"Cyrillic", QStringLiteral("АЛЕКСАНДР")},
      {"Chinese", QStringLiteral("王小明")},
      {"emoji", QStringLiteral("ANN 😀🎉")},
      {"tab", QStringLiteral("ANN\tLEE")},
      {"CR", QStringLiteral("ANN\rLEE")},
      {"LF", QStringLiteral("ANN\nLEE")},
      {"CR LF", QStringLiteral("ANN\r\nLEE")},
      {"NUL", QStringLiteral("ANN") + QChar(0) + QStringLiteral("LEE")},
      {"U+2028", QStringLiteral("ANN\u2028LEE")},
      {"lone surrogate", QStringLiteral("ANN") + QChar(0xD800) + QStringLiteral("LEE")},
  };
}

std::vector<NameInBox> NamesInBoxes(std::initializer_list<const char*> boxes) {
  std::vector<NameInBox> out;
  for (const NameCase& c : NameCases())
    for (const char* box : boxes) out.push_back({c, box, std::string(c.what) + " in " + box});
  return out;
}

QString MonthName(int month) { return calendar::MonthNames().value(month - 1); }

std::vector<DateCase> DateCases(int firstYear, int lastYear) {
  const bool lastLeap = calendar::IsLeapYear(lastYear);
  return {
      {"first day of the lists", 1, 1, firstYear, true},
      {"last day of the lists", 31, 12, lastYear, true},
      {"31 January", 31, 1, 1979, true},
      {"1 December", 1, 12, 1979, true},
      {"29 February, leap year", 29, 2, 2024, true},
      {"29 February, common year", 29, 2, 2023, false},
      {"29 February, century leap year", 29, 2, 2000, true},
      {"29 February, century common year", 29, 2, 1900, false},
      {"29 February, last year", 29, 2, lastYear, lastLeap},
      {"30 February", 30, 2, 2000, false},
      {"31 February", 31, 2, 2024, false},
      {"28 February, common year", 28, 2, 2023, true},
      {"31 April", 31, 4, 1979, false},
      {"31 June", 31, 6, 1979, false},
      {"31 September", 31, 9, 1979, false},
      {"31 November", 31, 11, 1979, false},
      {"30 November", 30, 11, firstYear, true},
  };
}

bool SetImmutable(const QString& path, bool on) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return ok;
}

namespace {
QString sweepFolder() {
  const QString dir = qztest::TempPath(QStringLiteral("sweep"));
  QDir().mkpath(dir);
  return dir;
}
QString in(const QString& name) { return QDir(sweepFolder()).filePath(name); }
QStringList& lockedPaths() {
  static QStringList paths;
  return paths;
}
constexpr QFileDevice::Permissions kFolderMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                 QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
// A folder made afresh, writable, for the files that go in it before it is locked.
void unlockFolder(const QString& folder) {
  QDir().mkpath(folder);
  SetImmutable(folder, false);
  QFile::setPermissions(folder, kFolderMode);
}
// No one may add, remove or replace a file in the folder: its mode stops a user, and being
// immutable stops root.
void lockFolder(const QString& folder) {
  QFile::setPermissions(folder, kFolderMode & ~(QFileDevice::WriteOwner));
  if (AsRoot()) SetImmutable(folder, true);
  lockedPaths().append(folder);
}
}  // namespace

bool AsRoot() { return ::geteuid() == 0; }

std::vector<BadFile> BadFiles(const QString& ending, const QByteArray& good) {
  std::vector<BadFile> files;
  auto add = [&files](const char* what, const QString& name, const QByteArray& bytes) {
    const QString path = in(name);
    qztest::WriteAll(path, bytes);
    files.push_back({what, path});
    return path;
  };
  add("empty", "empty." + ending, QByteArray());
  QByteArray binary;
  for (int i = 0; i < 4096; ++i) binary.append(char((i * 7919 + 13) & 0xFF));
  add("binary", "binary." + ending, binary);
  add("NUL bytes", "nul." + ending, QByteArray(2000, '\0'));
  add("truncated to half", "half." + ending, good.left(good.size() / 2));
  add("first line only", "line." + ending, good.left(good.indexOf('\n') + 1));
  add("no line breaks, one long line", "long." + ending, QByteArray(3 << 20, 'Z'));
  // 100 MB without using the disk: a sparse file of NUL bytes, and one of a name then a hole.
  for (const char* kind : {"huge", "hugename"}) {
    const QString path = in(QString::fromLatin1(kind) + "." + ending);
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (QByteArray(kind) == "hugename") f.write(QByteArray(200, 'A'));
    f.resize(100LL << 20);
    f.close();
    files.push_back({QByteArray(kind) == "huge" ? "huge (100 MB sparse)" : "huge, a name then a hole", path});
  }
  // A folder with the file's name.
  const QString folder = in("folder." + ending);
  QDir().mkpath(folder);
  files.push_back({"a folder", folder, false, true});
  files.push_back({"missing", in("missing." + ending), false, true});
  // A FIFO and a socket: an Open refuses them as unreadable, at once.
  const QString fifo = in("fifo." + ending);
  qztest::MakeFifo(fifo);
  files.push_back({"a FIFO", fifo, false, true});
  const QString socket = in("socket." + ending);
  { qztest::SocketFile bound(socket); }  // the socket file stays when its socket closes
  files.push_back({"a socket", socket, false, true});
  // Mode 000: a user may not read it; root still does, so for root it opens as a sound one.
  const QString locked = in("locked." + ending);
  QFile::remove(locked);
  add(AsRoot() ? "mode 000 (root reads it)" : "mode 000 (the user may not read it)", "locked." + ending, good);
  QFile::setPermissions(locked, QFileDevice::Permissions());
  files.back().sound = AsRoot();
  files.back().unreadable = !AsRoot();
  // A good file in a read-only folder opens as any other.
  const QString roFolder = in("read-only-folder");
  unlockFolder(roFolder);
  qztest::WriteAll(roFolder + "/good." + ending, good);
  lockFolder(roFolder);
  files.push_back({"good file in a read-only folder", roFolder + "/good." + ending, true});
  return files;
}

void CleanUpBadFiles() {
  for (const QString& p : lockedPaths()) {
    SetImmutable(p, false);
    if (QFileInfo(p).isDir()) QFile::setPermissions(p, kFolderMode);
  }
  lockedPaths().clear();
  for (const char* kind : {"huge", "hugename"}) {
    for (const QFileInfo& fi : QDir(sweepFolder()).entryInfoList({QString::fromLatin1(kind) + ".*"}, QDir::Files))
      QFile::remove(fi.filePath());
  }
}

QByteArray BytesBefore(const QString& path) {
  const QFileInfo info(path);
  return info.isFile() && info.size() < (10 << 20) ? qztest::ReadAll(path) : QByteArray();
}

FifoWatch::FifoWatch(const QString& path) {
  struct stat st {};
  if (::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode))
    guard_ = std::make_unique<qztest::FifoGuard>(path);
}
FifoWatch::~FifoWatch() = default;

QByteArray OpenQuickly(QWidget* openButton, const BadFile& f) {
  const QByteArray before = BytesBefore(f.path);
  qztest::seams().fileAnswers.push_back(f.path);
  const FifoWatch watch(f.path);
  QElapsedTimer clock;
  clock.start();
  EXPECT_TRUE(Click(openButton)) << f.what;
  EXPECT_LT(clock.elapsed(), 5000) << f.what;
  return before;
}

void WindowSweep::TearDown() {
  CleanUpBadFiles();
  qztest::UnloadAllWindows();
  EXPECT_TRUE(DevFullIntact());
}

void WindowSweep::Restart(ui::Form& input) {
  qztest::UnloadAllWindows();
  input.Show();
  qztest::seams().messages.clear();
}

std::vector<FailingSave> FailingSaves(const QString& ending) {
  std::vector<FailingSave> saves;
  const QByteArray old = "the user's own bytes\r\n";
  // A full device: the save dialog adds its ending to "/dev/full", so the device is made
  // again under a name with the ending (only root may); /dev/full itself is checked afterwards.
  const QString device = in("full-device." + ending);
  if (AsRoot() && !QFileInfo::exists(device))
    ::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7));
  if (QFileInfo(device).exists() && !QFileInfo(device).isFile())
    saves.push_back({"a full device (/dev/full)", device, QByteArray()});
  const QString folder = in("a-folder." + ending);
  QDir().mkpath(folder);
  saves.push_back({"a folder", folder, QByteArray()});
  saves.push_back({"missing folder", in("no-such-folder/x." + ending), QByteArray()});
  // An existing file in a folder nobody may write to, root included.
  const QString roFolder = in("locked-folder");
  unlockFolder(roFolder);
  qztest::WriteAll(roFolder + "/old." + ending, old);
  lockFolder(roFolder);
  saves.push_back({"existing file in a read-only folder", roFolder + "/old." + ending, old});
  saves.push_back({"new file in a read-only folder", roFolder + "/new." + ending, QByteArray()});
  // An existing file that may not be replaced: a user may replace a read-only file of a folder
  // of theirs, so only root's immutable attribute makes one.
  if (AsRoot()) {
    const QString fixed = in("immutable." + ending);
    SetImmutable(fixed, false);
    qztest::WriteAll(fixed, old);
    SetImmutable(fixed, true);
    lockedPaths().append(fixed);
    saves.push_back({"existing immutable file", fixed, old});
  }
  // A full disk while an existing file is replaced.
  const QString full = in("full-disk." + ending);
  qztest::WriteAll(full, old);
  saves.push_back({"existing file, disk full", full, old, true});
  return saves;
}

void SaveMustFail(QWidget* saveButton, const FailingSave& s, const std::function<bool(const QString&)>& saysSo,
                  const std::string& what) {
  qztest::seams().fileAnswers.push_back(s.path);
  {
    std::optional<qztest::FileSizeLimit> limit;
    if (s.fullDisk) limit.emplace(4);
    EXPECT_TRUE(Click(saveButton)) << what;
  }
  const auto& messages = qztest::seams().messages;
  ASSERT_EQ(messages.size(), 1u) << what;
  EXPECT_TRUE(saysSo(messages[0].prompt)) << what << ": " << messages[0].prompt.toStdString();
  EXPECT_EQ(messages[0].style, ui::MsgStyle::Critical) << what;
  if (!s.before.isEmpty()) {
    EXPECT_EQ(qztest::ReadAll(s.path), s.before) << what;
  }
  EXPECT_TRUE(DevFullIntact()) << what;
}

bool DevFullIntact() {
  struct stat st {};
  return ::lstat("/dev/full", &st) == 0 && S_ISCHR(st.st_mode) && major(st.st_rdev) == 1 && minor(st.st_rdev) == 7;
}
}  // namespace sweep
