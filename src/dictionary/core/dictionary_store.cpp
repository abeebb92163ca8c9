#include "dictionary_store.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <string>
#include <vector>

#include "dictionary_module.h"
#include "dictionary_search.h"
#include "platform.h"

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

bool IsAcceptableUpdateRow(const DictionaryRow& row) {
  if (row.Key.size() > kMaxKeyLength || row.Link.size() > kMaxLinkLength) return false;
  return row.Link == SearchEngineAddress() || IsWebAddress(row.Link);
}

namespace {
QString utf8Text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The same test on the engine's UTF-8 text. A text of at most N bytes has at most N characters,
// so only a longer one needs counting.
bool acceptableUtf8Row(std::string_view key, std::string_view link) {
  if (key.size() > size_t(kMaxKeyLength) && utf8Text(key).size() > kMaxKeyLength) return false;
  const QString address = utf8Text(link);
  if (address.size() > kMaxLinkLength) return false;
  return address == SearchEngineAddress() || IsWebAddress(address);
}

// Rows kept as one block of UTF-8 text, as the engine gives them.
class TextRows {
 public:
  void append(std::string_view key, std::string_view link, std::string_view names) {
    rows_.push_back({add(key), add(link), add(names)});
  }
  size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }
  // Valid once every row is in.
  std::string_view key(size_t i) const { return view(rows_[i].key); }
  std::string_view link(size_t i) const { return view(rows_[i].link); }
  std::string_view names(size_t i) const { return view(rows_[i].names); }

 private:
  struct Span {
    size_t at, size;
  };
  struct Row {
    Span key, link, names;
  };
  Span add(std::string_view s) {
    text_.append(s);
    return {text_.size() - s.size(), s.size()};
  }
  std::string_view view(Span s) const { return {text_.data() + s.at, s.size}; }
  std::string text_;
  std::vector<Row> rows_;
};

// A set of at most `expected` texts that someone else keeps (open addressing, linear probing; at
// most half full, so a probe always ends).
class TextSet {
 public:
  explicit TextSet(size_t expected) {
    size_t capacity = 16;
    while (capacity < expected * 2) capacity *= 2;
    slots_.resize(capacity);
    used_.resize(capacity);
    mask_ = capacity - 1;
  }
  // True when the text was not in the set yet.
  bool insert(std::string_view text) {
    for (size_t i = std::hash<std::string_view>{}(text) & mask_;; i = (i + 1) & mask_) {
      if (!used_[i]) {
        slots_[i] = text;
        used_[i] = true;
        return true;
      }
      if (slots_[i] == text) return false;
    }
  }
  bool contains(std::string_view text) const {
    for (size_t i = std::hash<std::string_view>{}(text) & mask_;; i = (i + 1) & mask_) {
      if (!used_[i]) return false;
      if (slots_[i] == text) return true;
    }
  }

 private:
  std::vector<std::string_view> slots_;
  std::vector<bool> used_;
  size_t mask_ = 0;
};

// An update file read as data only. Rows are empty when the file has none to give: it cannot be
// opened as a dictionary, or it has no table `numerology`. A file refused for its shape or size
// (not a plain file, a view, a virtual table, a value or a row count over the limits) sets refused.
struct UpdateRows {
  TextRows rows;
  bool refused = false;
  QString error;
};
UpdateRows readUpdateRows(const QString& updatePath) {
  DictionaryDb source;
  UpdateRows out;
  const bool read = source.Open(updatePath, DictionaryDb::Mode::Untrusted) &&
                    source.ReadAllUtf8([&](std::string_view key, std::string_view link, std::string_view names) {
                      out.rows.append(key, link, names);
                    });
  if (read) return out;
  out.rows = TextRows();
  const DictionaryDb::Failure failure = source.LastFailure();
  out.refused = failure == DictionaryDb::Failure::Refused || failure == DictionaryDb::Failure::Error ||
                failure == DictionaryDb::Failure::NoEngine;
  out.error = source.LastError();
  return out;
}

MergeResult mergeRows(const TextRows& sourceRows, const QString& targetPath);

// The merge of what an update file gave, into the dictionary that target() names.
template <typename Target>
MergeResult mergeUpdate(const QString& updatePath, Target target) {
  const UpdateRows source = readUpdateRows(updatePath);
  MergeResult result;
  if (source.refused) {
    result.outcome = MergeOutcome::NotChanged;
    result.error = source.error;
    return result;
  }
  // An update file without readable rows changes nothing, not even where the dictionary lives.
  if (source.rows.empty()) return result;
  const QString path = target(&result.error);
  if (path.isEmpty()) {
    result.outcome = MergeOutcome::NotChanged;
    return result;
  }
  return mergeRows(source.rows, path);
}
}  // namespace

MergeResult MergeUpdateFile(const QString& updatePath) {
  return mergeUpdate(updatePath, [](QString* error) { return WritableDictionaryPath(error); });
}

MergeResult MergeInto(const QString& updatePath, const QString& targetPath) {
  return mergeUpdate(updatePath, [&](QString*) { return targetPath; });
}

namespace {
MergeResult mergeRows(const TextRows& sourceRows, const QString& targetPath) {
  MergeResult result;
  DictionaryDb target;
  bool opened = target.Open(targetPath, true);
  // A dictionary of the earlier releases' format is rewritten in the current one first.
  if (opened && target.LegacyFormat()) {
    target.Close();
    opened = DictionaryDb::ConvertToCurrentFormat(targetPath, &result.error) && target.Open(targetPath, true);
  }
  // The links the dictionary holds, as the engine stores them (UTF-8).
  TextRows targetLinks;
  if (!opened || !target.ReadLinks([&](std::string_view link) { targetLinks.append({}, link, {}); }) ||
      !target.Begin()) {
    result.outcome = MergeOutcome::NotChanged;
    if (result.error.isEmpty()) result.error = target.LastError();
    return result;
  }
  TextSet links(targetLinks.size() + sourceRows.size());
  for (size_t i = 0; i < targetLinks.size(); ++i) links.insert(targetLinks.link(i));

  auto commit = [&](MergeOutcome done) {
    ForgetDictionaryRows();
    if (!target.Commit()) {
      result.error = target.LastError();
      target.Rollback();
      result.outcome = MergeOutcome::NotChanged;
      result.added = 0;
      return result;
    }
    result.outcome = done;
    return result;
  };

  for (size_t i = 0; i < sourceRows.size(); ++i) {
    const std::string_view key = sourceRows.key(i), link = sourceRows.link(i);
    if (sourceRows.names(i) != "astro" || !acceptableUtf8Row(key, link)) return commit(MergeOutcome::WrongFile);
    if (links.contains(link)) {
      ++result.present;
      continue;
    }
    if (!target.InsertUtf8(key, link, "astro")) {
      result.error = target.LastError();
      target.Rollback();
      result.outcome = MergeOutcome::NotChanged;
      result.added = 0;
      ForgetDictionaryRows();
      return result;
    }
    links.insert(link);
    ++result.added;
  }
  return commit(MergeOutcome::Updated);
}
}  // namespace
}  // namespace dictionary
