#include "dictionary/core/dictionary_store.h"

#include <arpa/inet.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "dictionary/core/dictionary_module.h"
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

namespace {
constexpr bool isAsciiAlnum(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }
bool isAsciiHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
bool endsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  text = text.substr(text.size() - suffix.size());
  for (size_t i = 0; i < suffix.size(); ++i)
    if (asciiLower(text[i]) != suffix[i]) return false;
  return true;
}

// The host of an http or https address where it is plain ASCII (letters, digits, "-", ".", "_",
// or a bracketed IPv6 address), without user, port or brackets; nullopt where the browser would
// map it first (escapes, international or full-width characters).
std::optional<std::string_view> plainHost(std::string_view address) {
  const size_t scheme = address.find("://");
  if (scheme == std::string_view::npos) return std::string_view();
  // One pass over the authority: the host starts after the last "@" and ends at the port's ":".
  enum : unsigned char { Plain, End, At, Colon, Other };
  static constexpr auto kinds = [] {
    std::array<unsigned char, 256> k{};
    for (int c = 0; c < 256; ++c)
      k[c] = isAsciiAlnum(char(c)) || c == '-' || c == '.' || c == '_' ? Plain
             : c == '/' || c == '?' || c == '#' || c == '\\'       ? End
             : c == '@'                                            ? At
             : c == ':'                                            ? Colon
                                                                   : Other;
    return k;
  }();
  size_t start = scheme + 3, end = start, colon = std::string_view::npos;
  bool plain = true;
  for (; end < address.size(); ++end) {
    const unsigned char kind = kinds[static_cast<unsigned char>(address[end])];
    if (kind == Plain) continue;
    if (kind == End) break;
    if (kind == At) {
      start = end + 1;
      colon = std::string_view::npos;
      plain = true;
    } else if (kind == Colon) {
      if (colon == std::string_view::npos) colon = end;
    } else {
      plain = false;
    }
  }
  std::string_view host = address.substr(start, end - start);
  if (!host.empty() && host.front() == '[') {
    const size_t close = host.find(']');
    if (close == std::string_view::npos) return std::string_view();
    host = host.substr(1, close - 1);
    return std::all_of(host.begin(), host.end(), [](char c) { return isAsciiHex(c) || c == ':' || c == '.'; })
               ? std::optional(host)
               : std::nullopt;
  }
  if (colon != std::string_view::npos) host = host.substr(0, colon - start);
  if (!plain) return std::nullopt;
  return host;
}

// One part of a dotted IPv4 address as a browser reads it: decimal, octal after a leading 0,
// hexadecimal after 0x.
std::optional<quint64> ipv4Number(std::string_view part) {
  int base = 10;
  if (part.size() >= 2 && part[0] == '0' && (part[1] == 'x' || part[1] == 'X')) {
    base = 16;
    part.remove_prefix(2);
  } else if (part.size() > 1 && part[0] == '0') {
    base = 8;
    part.remove_prefix(1);
  }
  if (part.empty()) return base == 16 ? std::optional<quint64>(0) : std::nullopt;
  quint64 value = 0;
  for (const char c : part) {
    const int digit = c >= '0' && c <= '9' ? c - '0' : isAsciiHex(c) ? asciiLower(c) - 'a' + 10 : 99;
    if (digit >= base) return std::nullopt;
    value = std::min<quint64>(value * base + digit, 0x100000000ull);  // past 32 bits is too large either way
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

bool isLocalIpv6(std::string_view host) {
  unsigned char b[16];
  if (::inet_pton(AF_INET6, std::string(host).c_str(), b) != 1) return true;  // not an address
  const bool zeroPrefix = std::all_of(b, b + 10, [](unsigned char x) { return x == 0; });
  const quint32 v4 = quint32(b[12]) << 24 | quint32(b[13]) << 16 | quint32(b[14]) << 8 | b[15];
  if (zeroPrefix && b[10] == 0xff && b[11] == 0xff) return isLocalIpv4(v4);  // ::ffff:a.b.c.d
  if (zeroPrefix && b[10] == 0 && b[11] == 0) return v4 <= 1 || isLocalIpv4(v4);  // ::, ::1, ::a.b.c.d
  return (b[0] == 0xfe && (b[1] & 0x80) == 0x80) ||  // link-local fe80::/10 and site-local fec0::/10
         (b[0] & 0xfe) == 0xfc;                      // unique local fc00::/7
}

// Whether a host (its letters in either case) is one of this machine or its local network.
bool isLocalHost(std::string_view host) {
  if (!host.empty() && host.back() == '.') host.remove_suffix(1);
  if (host.empty()) return true;
  if (host.find(':') != std::string_view::npos) return isLocalIpv6(host);
  if (host.size() == 9 && endsWithNoCase(host, "localhost")) return true;
  if (host.size() == 9 && endsWithNoCase(host, "home.arpa")) return true;
  for (const std::string_view suffix : {".localhost", ".local", ".internal", ".home.arpa"})
    if (endsWithNoCase(host, suffix)) return true;
  // A host whose last part is a number is an IPv4 address, as the browser reads it.
  const size_t dot = host.rfind('.');
  const std::string_view last = dot == std::string_view::npos ? host : host.substr(dot + 1);
  if (!std::all_of(last.begin(), last.end(), [](char c) { return c >= '0' && c <= '9'; }) && !ipv4Number(last))
    return false;
  const size_t parts = size_t(std::count(host.begin(), host.end(), '.')) + 1;
  if (parts > 4) return true;  // not an address a browser would go to
  quint64 address = 0;
  for (size_t i = 0; i < parts; ++i) {
    const size_t end = std::min(host.find('.'), host.size());
    const int bits = i + 1 == parts ? 8 * int(5 - parts) : 8;
    const std::optional<quint64> n = ipv4Number(host.substr(0, end));
    if (!n || *n >= (1ull << bits)) return true;
    address = address << bits | *n;
    host.remove_prefix(std::min(end + 1, host.size()));
  }
  return isLocalIpv4(quint32(address));
}

bool namesLocalHostUtf8(std::string_view address, const QString& text) {
  if (const std::optional<std::string_view> host = plainHost(address)) return isLocalHost(*host);
  return isLocalHost(QUrl(text).host(QUrl::FullyDecoded).toUtf8().toStdString());
}
}  // namespace

bool NamesLocalHost(const QString& address) {
  const QByteArray utf8 = address.toUtf8();
  return namesLocalHostUtf8({utf8.constData(), size_t(utf8.size())}, address);
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
  return address == SearchEngineAddress() || (IsWebAddress(address) && !namesLocalHostUtf8(link, address));
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
