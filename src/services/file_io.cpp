#include "services/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <deque>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool fail(QString* error, const QString& reason) {
  if (error) *error = reason;
  return false;
}

// The reason of a failed write. A write that stops part way (a file-size limit, a full disk)
// leaves Qt without a reason of its own ("Unknown error"); errno, read right after the failing
// call, then tells the system's.
QString writeFailure(const QFileDevice& file, int savedErrno) {
  static const QString unknown = QFile().errorString();
  if (file.errorString() != unknown) return file.errorString();
  if (savedErrno != 0) return QString::fromLocal8Bit(::strerror(savedErrno));
  return file.errorString();
}

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

// A device (a terminal, /dev/null, /dev/full) is written in place. Opened without waiting, so
// that a FIFO put there in the meantime is refused instead of blocking.
bool writeInPlace(const QString& path, const QByteArray& data, QString* error) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return fail(error, QString::fromLocal8Bit(::strerror(errno)));
  struct stat st;
  if (::fstat(fd, &st) != 0 || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return fail(error, QStringLiteral("%1 is not a file that can be written").arg(path));
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  QFile device;
  if (!device.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return fail(error, device.errorString());
  }
  errno = 0;
  if (device.write(data) != data.size() || !device.flush()) return fail(error, writeFailure(device, errno));
  device.close();
  if (device.error() != QFileDevice::NoError) return fail(error, device.errorString());
  return true;
}
}  // namespace

QString UnsafeLinkReason(const QString& path) {
  if (path.isEmpty()) return QString();
  // The path is followed one name at a time, as the kernel does, reading each link on the way;
  // `resolved` is the folder reached so far, free of links.
  const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + QLatin1Char('/') + path;
  std::deque<QString> names;
  for (const QString& name : absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts)) names.push_back(name);
  QString resolved = QStringLiteral("/");
  bool nameIsLink = false;  // the file's own name led to a link
  int links = 0;
  while (!names.empty()) {
    const QString name = names.front();
    names.pop_front();
    if (name == QLatin1String(".")) continue;
    if (name == QLatin1String("..")) {
      resolved = QFileInfo(resolved).path();
      continue;
    }
    const QString next = resolved == QLatin1String("/") ? resolved + name : resolved + QLatin1Char('/') + name;
    const QByteArray encoded = QFile::encodeName(next);
    struct stat st;
    if (::lstat(encoded.constData(), &st) != 0) {
      // A missing folder fails the save by itself; a missing file is created, but not where
      // a link to nothing points.
      if (names.empty() && nameIsLink)
        return QStringLiteral("%1 is a link to a file that does not exist; no file is created through it.").arg(path);
      return QString();
    }
    if (!S_ISLNK(st.st_mode)) {
      resolved = next;
      continue;
    }
    struct stat folder;
    if (::stat(QFile::encodeName(resolved).constData(), &folder) == 0 && (folder.st_mode & S_ISVTX) &&
        (folder.st_mode & S_IWOTH) && st.st_uid != ::geteuid() && st.st_uid != folder.st_uid)
      return next == absolute ? QStringLiteral("%1 is a link another user put in a shared folder; it is not followed.")
                                    .arg(path)
                              : QStringLiteral("%1 leads through %2, a link another user put in a shared folder; "
                                               "it is not followed.")
                                    .arg(path, next);
    if (++links > 40) return QString();  // the save fails by itself (too many links)
    if (names.empty()) nameIsLink = true;
    QByteArray target(st.st_size > 0 ? st.st_size + 1 : 4096, Qt::Uninitialized);
    const ssize_t length = ::readlink(encoded.constData(), target.data(), static_cast<size_t>(target.size()));
    if (length <= 0 || length >= target.size()) return QString();
    target.truncate(length);
    const QString text = QFile::decodeName(target);
    if (text.startsWith(QLatin1Char('/'))) resolved = QStringLiteral("/");
    const QStringList parts = text.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (auto part = parts.crbegin(); part != parts.crend(); ++part) names.push_front(*part);
  }
  return QString();
}

bool IsRegularFile(const QString& path, qint64* size) {
  struct stat st;
  if (!statPath(path, &st) || !S_ISREG(st.st_mode)) return false;
  if (size) *size = static_cast<qint64>(st.st_size);
  return true;
}

bool WriteWholeFile(const QString& path, const QByteArray& data, QString* error) {
  const QString unsafe = UnsafeLinkReason(path);
  if (!unsafe.isEmpty()) return fail(error, unsafe);
  struct stat st;
  if (statPath(path, &st)) {
    if (S_ISDIR(st.st_mode)) return fail(error, QStringLiteral("%1 is a folder").arg(path));
    if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))
      return fail(error, QStringLiteral("%1 is not a file that can be written").arg(path));
    if (!S_ISREG(st.st_mode)) return writeInPlace(path, data, error);
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail(error, file.errorString());
  // The last buffered bytes are written by flush(); commit() would not notice that they failed
  // (a full disk) and would put the short file in place of the old one.
  errno = 0;
  if (file.write(data) != data.size() || !file.flush()) {
    const QString reason = writeFailure(file, errno);
    file.cancelWriting();
    return fail(error, reason);
  }
  errno = 0;
  if (!file.commit()) return fail(error, writeFailure(file, errno));
  return true;
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
