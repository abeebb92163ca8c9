#include "dictionary/core/dictionary_store.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <memory>
#include <new>

#include "dictionary/core/web_address.h"
#include "dictionary/core/dictionary_search.h"
#include "services/platform.h"

namespace dictionary {
const QString kDictionaryFileName = QStringLiteral("numerology.dll");

namespace {
QString& userFolderOverride() {
  static QString s;
  return s;
}
std::optional<bool>& writableOverride() {
  static std::optional<bool> s;
  return s;
}

// What identifies one state of a file: a change of content changes the time or the size,
// a replaced file its inode.
struct Fingerprint {
  QString path;
  dev_t dev = 0;
  ino_t ino = 0;
  off_t size = -1;
  qint64 mtimeNs = 0;
  bool operator==(const Fingerprint&) const = default;
};
std::optional<Fingerprint> fingerprintOf(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
  return Fingerprint{path, st.st_dev, st.st_ino, st.st_size,
                     qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

// A descriptor closed when it goes.
struct Descriptor {
  int fd = -1;
  Descriptor() = default;
  explicit Descriptor(int f) : fd(f) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// Opens a file to read without waiting on a pipe; -1 unless it is a regular file. missing tells
// whether there was no file of that name at all.
int openRegular(const QString& path, int flags, bool* missing = nullptr) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | flags);
  if (missing) *missing = fd < 0 && errno == ENOENT;
  struct stat st {};
  if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool copyBytes(int from, int to) {
  const std::unique_ptr<char[]> buffer(new char[1 << 18]);
  for (off_t at = 0;;) {
    const ssize_t n = ::pread(from, buffer.get(), 1 << 18, at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return ::fsync(to) == 0;
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = ::write(to, buffer.get() + done, size_t(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return false;
      done += w;
    }
    at += n;
  }
}

// What tells that a file changed while it was copied.
bool sameState(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// A copy of the dictionary file `from` in `folder`, as it stood at its last commit, under a new
// name of its own. A journal that a killed merge left beside the file is copied with it and rolled
// back in the copy (whose folder is writable where the file's may not be). Both are read through
// descriptors checked to be regular files; a file or journal that changed while it was copied is
// copied again. Empty, with error set, when no whole copy could be made.
QString copyCommitted(const QString& from, const QString& folder, QString* error) {
  auto failWith = [&](const QString& why) {
    if (error) *error = why;
    return QString();
  };
  // The engine keeps the journal beside the file a link names.
  const QString file = QFileInfo(from).canonicalFilePath();
  const QString journalName = file + QStringLiteral("-journal");
  for (int attempt = 0; attempt < 3; ++attempt) {
    const Descriptor source(openRegular(file, 0));
    bool noJournal = false;
    const Descriptor journal(openRegular(journalName, O_NOFOLLOW, &noJournal));
    if (source.fd < 0) return failWith(QStringLiteral("the dictionary %1 cannot be read").arg(from));
    if (journal.fd < 0 && !noJournal) return failWith(QStringLiteral("%1 is not a regular file").arg(journalName));
    struct stat sourceBefore {}, journalBefore {};
    ::fstat(source.fd, &sourceBefore);
    if (journal.fd >= 0) ::fstat(journal.fd, &journalBefore);

    QByteArray copyName = QFile::encodeName(QDir(folder).filePath(kDictionaryFileName)) + ".XXXXXX";
    const Descriptor copy(::mkostemp(copyName.data(), O_CLOEXEC));
    if (copy.fd < 0) return failWith(QStringLiteral("no copy can be written in ") + folder);
    const QString copyPath = QFile::decodeName(copyName);
    const QString copyJournal = copyPath + QStringLiteral("-journal");
    auto dropCopy = [&] {
      QFile::remove(copyJournal);
      QFile::remove(copyPath);
    };
    bool ok = copyBytes(source.fd, copy.fd);
    if (ok && journal.fd >= 0) {
      const Descriptor copied(::open(QFile::encodeName(copyJournal).constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
      ok = copied.fd >= 0 && copyBytes(journal.fd, copied.fd);
    }
    if (!ok) {
      dropCopy();
      return failWith(QStringLiteral("the dictionary could not be copied to ") + folder);
    }
    // Copied again when a writer changed the file or its journal meanwhile.
    struct stat sourceAfter {}, journalAfter {}, named {};
    ::fstat(source.fd, &sourceAfter);
    if (journal.fd >= 0) ::fstat(journal.fd, &journalAfter);
    const bool journalNow = ::lstat(QFile::encodeName(journalName).constData(), &named) == 0;
    const bool fileNow = ::stat(QFile::encodeName(file).constData(), &named) == 0 && named.st_ino == sourceBefore.st_ino;
    if (!sameState(sourceBefore, sourceAfter) || (journal.fd >= 0 && !sameState(journalBefore, journalAfter)) ||
        journalNow == noJournal || !fileNow) {
      dropCopy();
      continue;
    }
    // The engine rolls the journal back at the copy's first open.
    DictionaryDb db;
    ok = db.Open(copyPath, DictionaryDb::Mode::ReadWrite);
    const QString why = db.LastError();
    db.Close();
    if (!ok || QFileInfo::exists(copyJournal)) {
      dropCopy();
      return failWith(why.isEmpty() ? QStringLiteral("the dictionary's journal could not be rolled back") : why);
    }
    return copyPath;
  }
  return failWith(QStringLiteral("the dictionary kept changing while it was copied"));
}

struct Cache {
  std::optional<Fingerprint> print;
  std::shared_ptr<const DictionaryRows> rows;
};
Cache& cache() {
  static Cache c;
  return c;
}
}  // namespace

QString UserDataFolder() {
  if (!userFolderOverride().isEmpty()) return userFolderOverride();
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
void SetUserDataFolder(const QString& folder) {
  userFolderOverride() = folder;
  ForgetDictionaryRows();
}
void SetProgramFolderWritable(std::optional<bool> writable) { writableOverride() = writable; }

QString ProgramDictionaryPath() { return QDir(platform::ProgramFolder()).filePath(kDictionaryFileName); }
QString UserDictionaryPath() { return QDir(UserDataFolder()).filePath(kDictionaryFileName); }

QString DictionaryPath() {
  const QString user = UserDictionaryPath();
  if (QFileInfo::exists(user)) return user;
  return ProgramDictionaryPath();
}

static bool programFolderWritable() {
  if (writableOverride()) return *writableOverride();
  // The engine writes a journal beside the file, so the folder must be writable too.
  const QFileInfo folder(platform::ProgramFolder());
  const QFileInfo file(ProgramDictionaryPath());
  return folder.isWritable() && (!file.exists() || file.isWritable());
}

QString WritableDictionaryPath(QString* error) {
  const QString user = UserDictionaryPath();
  if (QFileInfo::exists(user)) return user;
  if (programFolderWritable()) return ProgramDictionaryPath();
  // The user's own copy, of what the program's file held at its last commit, written whole under
  // a name of its own and then renamed into place.
  const QString program = ProgramDictionaryPath();
  if (!QFileInfo::exists(program) || !QDir().mkpath(UserDataFolder())) {
    if (error) *error = QStringLiteral("no dictionary to copy");
    return QString();
  }
  const QString copy = copyCommitted(program, UserDataFolder(), error);
  if (copy.isEmpty()) return QString();
  QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  // Another session of the user may have made its copy meanwhile: that one is kept.
  const QByteArray from = QFile::encodeName(copy), to = QFile::encodeName(user);
  int placed = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
  if (placed != 0 && errno == EINVAL) {  // a file system without it
    placed = ::link(from.constData(), to.constData());
    ::unlink(from.constData());
  }
  if (placed != 0) {
    QFile::remove(copy);
    if (errno != EEXIST) {
      if (error) *error = QStringLiteral("the dictionary could not be copied to ") + UserDataFolder();
      return QString();
    }
  }
  return user;
}

const QStringList& DictionaryRows::lowerKeys() const {
  if (!lower_) {
    QStringList lower;
    lower.reserve(rows.size());
    for (const DictionaryRow& row : rows) lower.append(LowerText(row.Key));
    lower_ = std::move(lower);
  }
  return *lower_;
}

namespace {
bool readRows(const QString& path, QList<DictionaryRow>& rows) {
  {
    DictionaryDb db;
    if (db.Open(path) && db.ReadAll(rows)) return true;
    if (db.LastFailure() != DictionaryDb::Failure::HalfWritten) return false;
  }
  // A merge was killed in a folder this user may not write: the rows of the file's last commit,
  // from a private copy rolled back.
  QTemporaryDir scratch;
  if (!scratch.isValid()) return false;
  const QString copy = copyCommitted(path, scratch.path(), nullptr);
  DictionaryDb db;
  return !copy.isEmpty() && db.Open(copy) && db.ReadAll(rows);
}
}  // namespace

std::shared_ptr<const DictionaryRows> ReadDictionary() {
  Cache& c = cache();
  try {
    const QString path = DictionaryPath();
    const std::optional<Fingerprint> print = fingerprintOf(path);
    if (!print) {
      c = Cache{};
      return nullptr;
    }
    if (c.rows && c.print == print) return c.rows;
    auto rows = std::make_shared<DictionaryRows>();
    if (!readRows(path, rows->rows)) {
      c = Cache{};
      return nullptr;
    }
    // Read the print again: a change during the read must not be kept as current.
    c.print = fingerprintOf(path) == print ? print : std::nullopt;
    c.rows = rows;
    return rows;
  } catch (const std::bad_alloc&) {
    // Out of memory: no rows, as for a dictionary that cannot be read.
    c = Cache{};
    return nullptr;
  }
}

void ForgetDictionaryRows() { cache() = Cache{}; }
}  // namespace dictionary
