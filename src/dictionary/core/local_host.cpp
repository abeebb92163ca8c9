#include "dictionary/core/local_host.h"

#include <arpa/inet.h>

#include <QUrl>
#include <algorithm>
#include <array>

namespace dictionary {
namespace {
constexpr bool isAsciiAlnum(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}
bool isAsciiHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
bool endsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  text = text.substr(text.size() - suffix.size());
  for (size_t i = 0; i < suffix.size(); ++i)
    if (asciiLower(text[i]) != suffix[i]) return false;
  return true;
}
// -1, 0 or 1 as a (either case) sorts before, with or after b (lower case).
int compareNoCase(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const char x = asciiLower(a[i]);
    if (x != b[i]) return static_cast<unsigned char>(x) < static_cast<unsigned char>(b[i]) ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

// The host of an http or https address where it is plain ASCII (letters, digits, "-", ".", "_",
// or a bracketed IPv6 address), without user, port or brackets; nullopt where the browser would
// map it first (escapes, international or full-width characters). No "://": an empty host.
std::optional<std::string_view> plainHost(std::string_view address) {
  const size_t scheme = address.find("://");
  if (scheme == std::string_view::npos) return std::string_view();
  // One pass over the authority: the host starts after the last "@" and ends at the port's ":".
  enum : unsigned char { Plain, End, At, Colon, Other };
  static constexpr auto kinds = [] {
    std::array<unsigned char, 256> k{};
    for (int c = 0; c < 256; ++c)
      k[c] = isAsciiAlnum(char(c)) || c == '-' || c == '.' || c == '_' ? Plain
             : c == '/' || c == '?' || c == '#' || c == '\\'           ? End
             : c == '@'                                                ? At
             : c == ':'                                                ? Colon
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

bool isLocalIpv6Text(std::string_view host) {
  unsigned char b[16];
  if (::inet_pton(AF_INET6, std::string(host).c_str(), b) != 1) return true;  // not an address
  return IsLocalIpv6(b);
}
}  // namespace

bool IsLocalIpv4(quint32 a) {
  const quint32 top = a >> 24;
  return top == 0 || top == 10 || top == 127 || top >= 224 ||  // 224/4 and 240/4
         (a & 0xffff0000u) == 0xa9fe0000u ||                   // 169.254/16
         (a & 0xfff00000u) == 0xac100000u ||                   // 172.16/12
         (a & 0xffff0000u) == 0xc0a80000u ||                   // 192.168/16
         (a & 0xffc00000u) == 0x64400000u;                     // 100.64/10
}

bool IsLocalIpv6(const unsigned char (&b)[16]) {
  const bool zeroPrefix = std::all_of(b, b + 10, [](unsigned char x) { return x == 0; });
  const quint32 v4 = quint32(b[12]) << 24 | quint32(b[13]) << 16 | quint32(b[14]) << 8 | b[15];
  if (zeroPrefix && b[10] == 0xff && b[11] == 0xff) return IsLocalIpv4(v4);       // ::ffff:a.b.c.d
  if (zeroPrefix && b[10] == 0 && b[11] == 0) return v4 <= 1 || IsLocalIpv4(v4);  // ::, ::1, ::a.b.c.d
  static constexpr unsigned char kNat64[12] = {0, 0x64, 0xff, 0x9b};
  if (std::equal(b, b + 12, kNat64)) return IsLocalIpv4(v4);  // 64:ff9b::a.b.c.d
  return (b[0] == 0xfe && (b[1] & 0x80) == 0x80) ||           // link-local fe80::/10 and site-local fec0::/10
         (b[0] & 0xfe) == 0xfc ||                             // unique local fc00::/7
         b[0] == 0xff;                                        // multicast
}

bool IsLocalHostName(std::string_view host) {
  if (!host.empty() && host.back() == '.') host.remove_suffix(1);
  if (host.empty()) return true;
  if (host.find(':') != std::string_view::npos) return isLocalIpv6Text(host);
  const size_t dot = host.rfind('.');
  const std::string_view last = dot == std::string_view::npos ? host : host.substr(dot + 1);
  const bool numeric = std::all_of(last.begin(), last.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
                       ipv4Number(last).has_value();
  // A dotless name is one that only this machine or its network resolves (localhost, router, wpad).
  if (!numeric) {
    if (dot == std::string_view::npos) return true;
    for (const std::string_view suffix : {".localhost", ".local", ".localdomain", ".internal", ".lan", ".home.arpa"})
      if (endsWithNoCase(host, suffix) || (host.size() + 1 == suffix.size() && endsWithNoCase(host, suffix.substr(1))))
        return true;
    return false;
  }
  // A host whose last part is a number is an IPv4 address, as the browser reads it.
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
  return IsLocalIpv4(quint32(address));
}

HostNames::HostNames(std::vector<std::string> names) : names_(std::move(names)) {
  for (std::string& name : names_) {
    if (!name.empty() && name.back() == '.') name.pop_back();
    std::transform(name.begin(), name.end(), name.begin(), asciiLower);
  }
  std::sort(names_.begin(), names_.end());
  names_.erase(std::unique(names_.begin(), names_.end()), names_.end());
}

bool HostNames::Contains(std::string_view host) const {
  if (!host.empty() && host.back() == '.') host.remove_suffix(1);
  size_t low = 0, high = names_.size();
  while (low < high) {
    const size_t mid = low + (high - low) / 2;
    const int c = compareNoCase(host, names_[mid]);
    if (c == 0) return true;
    if (c < 0)
      high = mid;
    else
      low = mid + 1;
  }
  return false;
}

bool NamesLocalHostUtf8(std::string_view address, const QString& text, const HostNames& own) {
  if (const std::optional<std::string_view> host = plainHost(address))
    return IsLocalHostName(*host) || own.Contains(*host);
  // The browser's own reading of the host: escapes decoded, international names in their
  // ASCII form, full-width digits as digits.
  const QByteArray host = QUrl::toAce(QUrl(text).host(QUrl::FullyDecoded));
  const std::string_view view(host.constData(), size_t(host.size()));
  return IsLocalHostName(view) || own.Contains(view);
}

bool NamesLocalHost(const QString& address, const HostNames& own) {
  const QByteArray utf8 = address.toUtf8();
  return NamesLocalHostUtf8({utf8.constData(), size_t(utf8.size())}, address, own);
}
}  // namespace dictionary
