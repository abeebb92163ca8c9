#include "services/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <deque>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool fail(QString* error, const QString& reason) {
  if (error) *error = reason;
  return false;
}

QString systemReason(int error) { return QString::fromLocal8Bit(::strerror(error)); }

bool statPath(const QString& path, struct stat* st) {
  const QByteArray name = QFile::encodeName(path);
  return !name.isEmpty() && ::stat(name.constData(), st) == 0;
}

// Opens path for reading without waiting for a writer, and only when the opened file is a
// regular one (the type is checked again on the open file, so a file swapped in between
// is caught too).
bool openRegularForReading(const QString& path, QFile& file) {
  struct stat st;
  if (!statPath(path, &st) || !S_ISREG(st.st_mode)) return false;
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return false;
  }
  return true;
}

// A file descriptor closed when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { reset(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    if (this != &other) {
      reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }
  int release() { return std::exchange(fd_, -1); }
  void reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

Descriptor openFolder(int at, const char* name) {
  return Descriptor(::openat(at, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// Where a save lands: a name in a folder held open, reached by following the path's links one
// name at a time, as the kernel does. Every name on the way is looked up in the folder
// reached so far (no path is resolved twice), so a link planted after the walk is never
// followed: the save writes and renames relative to `folder`.
struct SaveTarget {
  Descriptor folder;
  QByteArray name;
  bool exists = false;
  struct stat st {};  // the file found under name (never a link), when exists
};

enum class Walk { Reached, Refused, Failed };

struct WalkResult {
  Walk walk = Walk::Failed;
  QString reason;  // why a link is refused
  int error = 0;   // errno of a failure
};

WalkResult refused(const QString& reason) { return {Walk::Refused, reason, 0}; }
WalkResult failed(int error) { return {Walk::Failed, QString(), error}; }

WalkResult walkToSaveTarget(const QString& path, SaveTarget* target) {
  if (path.isEmpty()) return failed(ENOENT);
  const bool absolute = QDir::isAbsolutePath(path);
  Descriptor folder = openFolder(AT_FDCWD, absolute ? "/" : ".");
  if (!folder.ok()) return failed(errno);
  // `shown` names the folder reached so far, for the messages.
  QString shown = absolute ? QStringLiteral("/") : QDir::currentPath();
  std::deque<QString> names;
  for (const QString& name : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) names.push_back(name);
  bool nameIsLink = false;  // the file's own name led to a link
  int links = 0;
  while (!names.empty()) {
    const QString name = names.front();
    names.pop_front();
    if (name == QLatin1String(".")) continue;
    if (name == QLatin1String("..")) {
      folder = openFolder(folder.get(), "..");
      if (!folder.ok()) return failed(errno);
      shown = QFileInfo(shown).path();
      continue;
    }
    const bool last = names.empty();
    const QString next = shown == QLatin1String("/") ? shown + name : shown + QLatin1Char('/') + name;
    const QByteArray encoded = QFile::encodeName(name);
    struct stat st;
    if (::fstatat(folder.get(), encoded.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      const int error = errno;
      // A missing file is created, but not where a link to nothing points.
      if (error == ENOENT && last) {
        if (nameIsLink)
          return refused(QStringLiteral("%1 is a link to a file that does not exist; no file is created through it.")
                             .arg(path));
        *target = SaveTarget{std::move(folder), encoded, false, {}};
        return {Walk::Reached, QString(), 0};
      }
      return failed(error);
    }
    if (!S_ISLNK(st.st_mode)) {
      if (last) {
        *target = SaveTarget{std::move(folder), encoded, true, st};
        return {Walk::Reached, QString(), 0};
      }
      folder = openFolder(folder.get(), encoded.constData());
      if (!folder.ok()) return failed(errno);
      shown = next;
      continue;
    }
    // Refused as the kernel's protected_symlinks guard refuses it.
    struct stat holder;
    if (::fstat(folder.get(), &holder) == 0 && (holder.st_mode & S_ISVTX) && (holder.st_mode & S_IWOTH) &&
        st.st_uid != ::geteuid() && st.st_uid != holder.st_uid)
      return refused(last && !nameIsLink
                         ? QStringLiteral("%1 is a link another user put in a shared folder; it is not followed.")
                               .arg(path)
                         : QStringLiteral("%1 leads through %2, a link another user put in a shared folder; "
                                          "it is not followed.")
                               .arg(path, next));
    if (++links > 40) return failed(ELOOP);
    if (last) nameIsLink = true;
    QByteArray text(st.st_size > 0 ? st.st_size + 1 : 4096, Qt::Uninitialized);
    const ssize_t length = ::readlinkat(folder.get(), encoded.constData(), text.data(), static_cast<size_t>(text.size()));
    if (length < 0) return failed(errno);
    if (length == 0 || length >= text.size()) return failed(ENOENT);
    text.truncate(length);
    const QString linked = QFile::decodeName(text);
    if (linked.startsWith(QLatin1Char('/'))) {
      folder = openFolder(AT_FDCWD, "/");
      if (!folder.ok()) return failed(errno);
      shown = QStringLiteral("/");
    }
    const QStringList parts = linked.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (auto part = parts.crbegin(); part != parts.crend(); ++part) names.push_front(*part);
  }
  return failed(EISDIR);  // the path ends in a folder ("/", "x/..")
}

// The permissions a new file gets: 0666 less the process's umask, read without changing it.
mode_t newFileMode() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (status.open(QIODevice::ReadOnly)) {
    for (const QByteArray& line : status.readAll().split('\n')) {
      if (!line.startsWith("Umask:")) continue;
      bool ok = false;
      const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
      if (ok) return 0666 & ~static_cast<mode_t>(mask);
    }
  }
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return 0666 & ~mask;
}

bool writeAll(int fd, const QByteArray& data) {
  const char* at = data.constData();
  qsizetype left = data.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, at, static_cast<size_t>(left));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    at += n;
    left -= n;
  }
  return true;
}

// A device (a terminal, /dev/null, /dev/full) is written in place. Opened without waiting and
// without following a link, so that a FIFO or link put there in the meantime is refused.
// False with *replace set when a regular file took the device's place.
bool writeInPlace(const SaveTarget& target, const QString& path, const QByteArray& data, QString* error,
                  bool* replace) {
  *replace = false;
  Descriptor fd(::openat(target.folder.get(), target.name.constData(),
                         O_WRONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
  if (!fd.ok()) return fail(error, systemReason(errno));
  struct stat st;
  if (::fstat(fd.get(), &st) != 0) return fail(error, systemReason(errno));
  if (S_ISREG(st.st_mode)) {
    *replace = true;
    return false;
  }
  if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || S_ISDIR(st.st_mode))
    return fail(error, QStringLiteral("%1 is not a file that can be written").arg(path));
  ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
  if (!writeAll(fd.get(), data)) return fail(error, systemReason(errno));
  if (::close(fd.release()) != 0) return fail(error, systemReason(errno));
  return true;
}

// Writes data under a private temporary name in the target's folder (created anew, readable by
// the user alone until it is whole), then renames it onto the target's name. A rename replaces
// whatever the name is by then, a link included, and never follows it.
bool replaceWhole(const SaveTarget& target, const QByteArray& data, QString* error) {
  const int folder = target.folder.get();
  const mode_t mode = target.exists ? (target.st.st_mode & 0777) : newFileMode();
  QByteArray temporary;
  Descriptor fd;
  for (int attempt = 0; attempt < 100 && !fd.ok(); ++attempt) {
    temporary = '.' + target.name.left(200) + '.' +
                QByteArray::number(QRandomGenerator::system()->generate64(), 36) + ".part";
    fd = Descriptor(::openat(folder, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.ok() && errno != EEXIST) return fail(error, systemReason(errno));
  }
  if (!fd.ok()) return fail(error, systemReason(EEXIST));
  const auto discard = [&](int reason) {
    fd.reset();
    ::unlinkat(folder, temporary.constData(), 0);
    return fail(error, systemReason(reason));
  };
  // A file-size limit or a full disk stops a write, or the flush to the disk, with its reason.
  if (!writeAll(fd.get(), data)) return discard(errno);
  // A file system without Unix permissions (a FAT stick) refuses the change; the file is saved all the same.
  (void)::fchmod(fd.get(), mode);
  // A file system that cannot flush on request (EINVAL, ENOTSUP) has the data all the same.
  if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != ENOTSUP) return discard(errno);
  if (::close(fd.release()) != 0) return discard(errno);
  if (::renameat(folder, temporary.constData(), folder, target.name.constData()) != 0) return discard(errno);
  return true;
}
}  // namespace

QString UnsafeLinkReason(const QString& path) {
  SaveTarget target;
  const WalkResult result = walkToSaveTarget(path, &target);
  return result.walk == Walk::Refused ? result.reason : QString();
}

bool IsRegularFile(const QString& path, qint64* size) {
  struct stat st;
  if (!statPath(path, &st) || !S_ISREG(st.st_mode)) return false;
  if (size) *size = static_cast<qint64>(st.st_size);
  return true;
}

bool WriteWholeFile(const QString& path, const QByteArray& data, QString* error) {
  SaveTarget target;
  const WalkResult result = walkToSaveTarget(path, &target);
  if (result.walk == Walk::Refused) return fail(error, result.reason);
  if (result.walk == Walk::Failed)
    return fail(error, result.error == EISDIR ? QStringLiteral("%1 is a folder").arg(path) : systemReason(result.error));
  if (target.exists) {
    const mode_t type = target.st.st_mode;
    if (S_ISDIR(type)) return fail(error, QStringLiteral("%1 is a folder").arg(path));
    // A file the user may not write is not replaced either, though its folder would allow it.
    if (S_ISREG(type) && ::faccessat(target.folder.get(), target.name.constData(), W_OK, AT_EACCESS) != 0)
      return fail(error, QStringLiteral("Existing file %1 is not writable").arg(path));
    if (S_ISFIFO(type) || S_ISSOCK(type))
      return fail(error, QStringLiteral("%1 is not a file that can be written").arg(path));
    if (!S_ISREG(type)) {
      bool replace = false;
      if (writeInPlace(target, path, data, error, &replace)) return true;
      if (!replace) return false;
      if (::fstatat(target.folder.get(), target.name.constData(), &target.st, AT_SYMLINK_NOFOLLOW) != 0)
        target.exists = false;
    }
  }
  return replaceWhole(target, data, error);
}

QList<QByteArray> SplitLines(const QByteArray& bytes, int maxLines) {
  QList<QByteArray> lines;
  QByteArray line;
  bool open = false;
  for (qsizetype i = 0; i < bytes.size() && lines.size() < maxLines; ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.append(line);
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      continue;
    }
    line += c;
    open = true;
  }
  if (open && lines.size() < maxLines) lines.append(line);
  return lines;
}

std::optional<QByteArray> ReadFileHead(const QString& path, qint64 limit) {
  QFile file;
  if (!openRegularForReading(path, file)) return std::nullopt;
  const QByteArray bytes = file.read(limit);
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}

std::optional<QByteArray> ReadSmallFile(const QString& path, qint64 maxSize) {
  QFile file;
  if (!openRegularForReading(path, file) || file.size() > maxSize) return std::nullopt;
  // One byte more than allowed tells a file that grew after the check.
  const QByteArray bytes = file.read(maxSize + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > maxSize) return std::nullopt;
  return bytes;
}

void IgnoreFileSizeLimitSignal() { std::signal(SIGXFSZ, SIG_IGN); }
