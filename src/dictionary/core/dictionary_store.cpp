#include "dictionary_store.h"

#include <arpa/inet.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "dictionary_module.h"
#include "dictionary_search.h"

namespace dictionary {
const QString kDictionaryFileName = QStringLiteral("numerology.dll");

namespace {
QString& programFolderOverride() {
  static QString s;
  return s;
}
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

QString ProgramFolder() {
  if (!programFolderOverride().isEmpty()) return programFolderOverride();
  return QCoreApplication::applicationDirPath();
}
void SetProgramFolder(const QString& folder) {
  programFolderOverride() = folder;
  ForgetDictionaryRows();
}
QString UserDataFolder() {
  if (!userFolderOverride().isEmpty()) return userFolderOverride();
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
void SetUserDataFolder(const QString& folder) {
  userFolderOverride() = folder;
  ForgetDictionaryRows();
}
void SetProgramFolderWritable(std::optional<bool> writable) { writableOverride() = writable; }

QString ProgramDictionaryPath() { return QDir(ProgramFolder()).filePath(kDictionaryFileName); }
QString UserDictionaryPath() { return QDir(UserDataFolder()).filePath(kDictionaryFileName); }

QString DictionaryPath() {
  const QString user = UserDictionaryPath();
  if (QFileInfo::exists(user)) return user;
  return ProgramDictionaryPath();
}

static bool programFolderWritable() {
  if (writableOverride()) return *writableOverride();
  // The engine writes a journal beside the file, so the folder must be writable too.
  const QFileInfo folder(ProgramFolder());
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

namespace {
bool isPlainHostChar(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' || u == '.' ||
         u == '_';
}

// The host of an http or https address as a browser reads it: lower case, without user, port or
// brackets. Plain ASCII hosts are taken as they stand; others (escapes, international or
// full-width characters) as the URL parser maps them.
QString webHost(const QString& address) {
  qsizetype start = address.indexOf(QLatin1String("://"));
  if (start < 0) return QString();
  start += 3;
  qsizetype end = start;
  while (end < address.size() && !QStringView(u"/?#\\").contains(address[end])) ++end;
  QStringView host = QStringView(address).mid(start, end - start);
  if (const qsizetype at = host.lastIndexOf(u'@'); at >= 0) host = host.mid(at + 1);
  if (host.startsWith(u'[')) {
    const qsizetype close = host.indexOf(u']');
    return close < 0 ? QString() : host.mid(1, close - 1).toString().toLower();
  }
  if (const qsizetype colon = host.indexOf(u':'); colon >= 0) host = host.left(colon);
  if (std::all_of(host.begin(), host.end(), isPlainHostChar)) return host.toString().toLower();
  return QUrl(address).host(QUrl::FullyDecoded).toLower();
}

// One part of a dotted IPv4 address as a browser reads it: decimal, octal after a leading 0,
// hexadecimal after 0x.
std::optional<quint64> ipv4Number(QStringView part) {
  int base = 10;
  if (part.startsWith(u"0x") || part.startsWith(u"0X")) {
    base = 16;
    part = part.mid(2);
  } else if (part.size() > 1 && part.startsWith(u'0')) {
    base = 8;
    part = part.mid(1);
  }
  if (part.isEmpty()) return base == 16 ? std::optional<quint64>(0) : std::nullopt;
  quint64 value = 0;
  for (const QChar c : part) {
    const int digit = c.isDigit() && c.unicode() < 0x80 ? c.unicode() - '0'
                      : base == 16 && c.unicode() < 0x80 && std::isxdigit(c.unicode())
                          ? std::tolower(c.unicode()) - 'a' + 10
                          : 99;
    if (digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > 0xffffffffull) value = 0x100000000ull;  // too large either way
  }
  return value;
}

bool isLocalIpv4(quint32 a) {
  const quint32 top = a >> 24;
  return top == 0 || top == 10 || top == 127 || (a & 0xffff0000u) == 0xa9fe0000u ||  // 169.254/16
         (a & 0xfff00000u) == 0xac100000u ||                                          // 172.16/12
         (a & 0xffff0000u) == 0xc0a80000u ||                                          // 192.168/16
         (a & 0xffc00000u) == 0x64400000u;                                            // 100.64/10
}

bool isLocalIpv6(const QString& host) {
  unsigned char b[16];
  if (::inet_pton(AF_INET6, host.toLatin1().constData(), b) != 1) return true;  // not an address
  const bool zeroPrefix = std::all_of(b, b + 10, [](unsigned char x) { return x == 0; });
  const quint32 v4 = quint32(b[12]) << 24 | quint32(b[13]) << 16 | quint32(b[14]) << 8 | b[15];
  if (zeroPrefix && b[10] == 0xff && b[11] == 0xff) return isLocalIpv4(v4);  // ::ffff:a.b.c.d
  if (zeroPrefix && b[10] == 0 && b[11] == 0) return v4 <= 1 || isLocalIpv4(v4);  // ::, ::1, ::a.b.c.d
  return (b[0] == 0xfe && (b[1] & 0x80) == 0x80) ||  // link-local fe80::/10 and site-local fec0::/10
         (b[0] & 0xfe) == 0xfc;                      // unique local fc00::/7
}
}  // namespace

bool NamesLocalHost(const QString& address) {
  QString host = webHost(address);
  if (host.endsWith(u'.')) host.chop(1);
  if (host.isEmpty()) return true;
  if (host.contains(u':')) return isLocalIpv6(host);
  if (host == QLatin1String("localhost") || host == QLatin1String("home.arpa")) return true;
  for (const char* suffix : {".localhost", ".local", ".internal", ".home.arpa"})
    if (host.endsWith(QLatin1String(suffix))) return true;
  // A host whose last part is a number is an IPv4 address, as the browser reads it.
  const QStringView last = QStringView(host).mid(host.lastIndexOf(u'.') + 1);
  const bool digits = std::all_of(last.begin(), last.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  if (!digits && !ipv4Number(last)) return false;
  const QList<QStringView> parts = QStringView(host).split(u'.');
  if (parts.size() > 4) return true;  // not an address a browser would go to
  quint64 address4 = 0;
  for (qsizetype i = 0; i < parts.size(); ++i) {
    const bool lastPart = i + 1 == parts.size();
    const int bits = lastPart ? 8 * int(5 - parts.size()) : 8;
    const std::optional<quint64> n = ipv4Number(parts[i]);
    if (!n || *n >= (1ull << bits)) return true;
    address4 = address4 << bits | *n;
  }
  return isLocalIpv4(quint32(address4));
}

bool IsAcceptableUpdateRow(const DictionaryRow& row) {
  if (row.Key.size() > kMaxKeyLength || row.Link.size() > kMaxLinkLength) return false;
  return row.Link == SearchEngineAddress() || (IsWebAddress(row.Link) && !NamesLocalHost(row.Link));
}

namespace {
QString utf8Text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The same test on the engine's UTF-8 text. A text of at most N bytes has at most N characters,
// so only a longer one needs counting.
bool acceptableUtf8Row(std::string_view key, std::string_view link) {
  if (key.size() > size_t(kMaxKeyLength) && utf8Text(key).size() > kMaxKeyLength) return false;
  const QString address = utf8Text(link);
  if (address.size() > kMaxLinkLength) return false;
  return address == SearchEngineAddress() || (IsWebAddress(address) && !NamesLocalHost(address));
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
constexpr std::string_view kAstro = "astro";

MergeResult mergeRows(const TextRows& sourceRows, const QString& targetPath) {
  MergeResult result;
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
      !target.ReadAllUtf8([&](std::string_view key, std::string_view link, std::string_view names) {
        targetLinks.append({}, link, {});
        bytes += qint64(key.size() + link.size() + names.size());
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

  for (size_t i = 0; i < sourceRows.size(); ++i) {
    const std::string_view key = sourceRows.key(i), link = sourceRows.link(i);
    if (sourceRows.names(i) != kAstro || !acceptableUtf8Row(key, link)) return commit(MergeOutcome::WrongFile);
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
