#include "dictionary/core/dictionary_store.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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
  // The user's own copy, written whole under a temporary name and then renamed.
  const QString program = ProgramDictionaryPath();
  if (!QFileInfo::exists(program) || !QDir().mkpath(UserDataFolder())) {
    if (error) *error = QStringLiteral("no dictionary to copy");
    return QString();
  }
  const QString partial = user + QStringLiteral(".part");
  QFile::remove(partial);
  if (!QFile::copy(program, partial) || !QFile::rename(partial, user)) {
    QFile::remove(partial);
    if (error) *error = QStringLiteral("the dictionary could not be copied to ") + UserDataFolder();
    return QString();
  }
  QFile(user).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
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

std::shared_ptr<const DictionaryRows> ReadDictionary() {
  const QString path = DictionaryPath();
  const std::optional<Fingerprint> print = fingerprintOf(path);
  Cache& c = cache();
  if (!print) {
    c = Cache{};
    return nullptr;
  }
  if (c.rows && c.print == print) return c.rows;
  DictionaryDb db;
  auto rows = std::make_shared<DictionaryRows>();
  if (!db.Open(path) || !db.ReadAll(rows->rows)) {
    c = Cache{};
    return nullptr;
  }
  // Read the print again: a change during the read must not be kept as current.
  c.print = fingerprintOf(path) == print ? print : std::nullopt;
  c.rows = rows;
  return rows;
}

void ForgetDictionaryRows() { cache() = Cache{}; }
}  // namespace dictionary
