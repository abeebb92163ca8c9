#include "dictionary/core/dictionary_merge.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <cerrno>
#include <chrono>
#include <functional>
#include <new>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "dictionary/core/dictionary_db.h"
#include "dictionary/core/dictionary_store.h"
#include "dictionary/core/link_policy.h"

namespace dictionary {
namespace {
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

// The merge of what an update file gave, into the dictionary that target() names. A merge that
// runs out of memory changes nothing: the dictionary's transaction is rolled back as it unwinds.
template <typename Target>
MergeResult mergeUpdate(const QString& updatePath, Target target) try {
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
} catch (const std::bad_alloc&) {
  ForgetDictionaryRows();
  MergeResult result;
  result.outcome = MergeOutcome::NotChanged;
  result.error = QStringLiteral("out of memory");
  return result;
}
}  // namespace

MergeResult MergeUpdateFile(const QString& updatePath) {
  return mergeUpdate(updatePath, [](QString* error) { return WritableDictionaryPath(error); });
}

MergeResult MergeInto(const QString& updatePath, const QString& targetPath) {
  return mergeUpdate(updatePath, [&](QString*) { return targetPath; });
}

namespace {
constexpr std::string_view kAstro = "astro";
// How long a merge waits for another one into the same dictionary to end.
constexpr auto kLockWait = std::chrono::seconds(20);

// One merge at a time into a dictionary, across processes and users: an exclusive lock on the
// file "<dictionary>.lock" beside it, held from the conversion of a file of the earlier format to
// the merge's commit. The lock file is opened without following a link or waiting on a pipe and
// must be a regular file; another user's is locked through a read-only descriptor.
class MergeLock {
 public:
  MergeLock() = default;
  MergeLock(const MergeLock&) = delete;
  MergeLock& operator=(const MergeLock&) = delete;
  ~MergeLock() {
    if (fd_ >= 0) ::close(fd_);  // and with it the lock
  }
  bool acquire(const QString& dictionary, QString* error) {
    const QByteArray name = QFile::encodeName(dictionary + QStringLiteral(".lock"));
    const int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    fd_ = ::open(name.constData(), O_RDWR | O_CREAT | flags, 0644);
    if (fd_ < 0 && errno == EACCES) fd_ = ::open(name.constData(), O_RDONLY | flags);
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
      *error = QStringLiteral("the lock file %1 is not a regular file that can be opened").arg(QFile::decodeName(name));
      return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > deadline) {
        *error = QStringLiteral("another merge into the dictionary did not end");
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
  }

 private:
  int fd_ = -1;
};

MergeResult mergeRows(const TextRows& sourceRows, const QString& targetPath) {
  MergeResult result;
  MergeLock lock;
  if (!lock.acquire(targetPath, &result.error)) {
    result.outcome = MergeOutcome::NotChanged;
    return result;
  }
  DictionaryDb target;
  bool opened = target.Open(targetPath, true);
  // A dictionary of the earlier releases' format is rewritten in the current one first.
  if (opened && target.LegacyFormat()) {
    target.Close();
    opened = DictionaryDb::ConvertToCurrentFormat(targetPath, &result.error) && target.Open(targetPath, true);
  }
  // The links the dictionary holds, as the engine stores them (UTF-8), and its size as its own
  // reads count it.
  TextRows targetLinks;
  qint64 rows = 0, bytes = 0;
  if (!opened ||
      !target.ReadLinks([&](std::string_view link, qint64 rowBytes) {
        targetLinks.append({}, link, {});
        bytes += rowBytes;
      }) ||
      !target.Begin()) {
    result.outcome = MergeOutcome::NotChanged;
    if (result.error.isEmpty()) result.error = target.LastError();
    return result;
  }
  rows = qint64(targetLinks.size());
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

  const UpdateLinkPolicy policy;
  for (size_t i = 0; i < sourceRows.size(); ++i) {
    const std::string_view key = sourceRows.key(i), link = sourceRows.link(i);
    if (sourceRows.names(i) != kAstro || !policy.Accepts(key, link)) return commit(MergeOutcome::WrongFile);
    if (links.contains(link)) {
      ++result.present;
      continue;
    }
    // Nothing is kept that would make the dictionary too large for its own reads.
    const ReadLimits& limits = DictionaryReadLimits();
    bytes += qint64(key.size() + link.size() + kAstro.size());
    const bool tooLarge = ++rows > limits.maxRows || bytes > limits.maxTotalBytes;
    if (tooLarge || !target.InsertUtf8(key, link, kAstro)) {
      result.error = tooLarge ? QStringLiteral("the dictionary would hold more than %1 rows or %2 bytes of text")
                                    .arg(limits.maxRows)
                                    .arg(limits.maxTotalBytes)
                              : target.LastError();
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
