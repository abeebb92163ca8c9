#include "dictionary/core/machine_names.h"

#include <arpa/inet.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>

namespace dictionary {
namespace {
MachineNameSources& sources() {
  static MachineNameSources s;
  return s;
}

// At most `limit` bytes of a regular file, opened without blocking (a FIFO or device in its
// place gives nothing) and without waiting on it.
std::string readSmallFile(const QString& path, qint64 limit) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return {};
  std::string text;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    text.resize(size_t(std::min<qint64>(std::max<qint64>(st.st_size, 0), limit)));
    size_t got = 0;
    while (got < text.size()) {
      const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += size_t(n);
    }
    text.resize(got);
  }
  ::close(fd);
  return text;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }
char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// The blank-separated words of each line before its "#", line by line.
template <typename OnLine>
void forEachLine(std::string_view text, OnLine onLine) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    line = line.substr(0, std::min(line.find('#'), line.size()));
    words.clear();
    size_t i = 0;
    while (i < line.size()) {
      while (i < line.size() && isBlank(line[i])) ++i;
      const size_t start = i;
      while (i < line.size() && !isBlank(line[i])) ++i;
      if (i > start) words.push_back(line.substr(start, i - start));
    }
    if (!words.empty()) onLine(words);
  }
}

// A host name as the hosts file may hold it: letters, digits, "-", "_" and ".", at most 253.
bool isHostName(std::string_view name) {
  return !name.empty() && name.size() <= 254 && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.';
  });
}

std::string lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), asciiLower);
  if (!out.empty() && out.back() == '.') out.pop_back();
  return out;
}

// Whether a hosts file's address (IPv4 or IPv6, an IPv6 one perhaps with a "%zone") is local.
// An address that does not parse is no address the resolver gives.
std::optional<bool> isLocalAddressText(std::string_view text) {
  std::string address(text.substr(0, std::min(text.find('%'), text.size())));
  unsigned char b[16];
  if (::inet_pton(AF_INET, address.c_str(), b) == 1)
    return IsLocalIpv4(quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | b[3]);
  if (::inet_pton(AF_INET6, address.c_str(), b) == 1) return IsLocalIpv6(b);
  return std::nullopt;
}
}  // namespace

void SetMachineNameSources(const MachineNameSources& s) { sources() = s; }

void HostsFileNames(std::string_view text, std::string_view hostName, std::vector<std::string>* names) {
  forEachLine(text, [&](const std::vector<std::string_view>& words) {
    const std::optional<bool> local = isLocalAddressText(words[0]);
    if (!local) return;
    bool ownLine = *local;
    for (size_t i = 1; i < words.size() && !ownLine; ++i) ownLine = !hostName.empty() && lower(words[i]) == hostName;
    if (!ownLine) return;
    for (size_t i = 1; i < words.size(); ++i)
      if (isHostName(words[i])) names->push_back(lower(words[i]));
  });
}

HostNames MachineNames() {
  const MachineNameSources& s = sources();
  std::string host;
  if (s.hostName) {
    host = lower(s.hostName->toStdString());
  } else {
    char buffer[256] = {};
    if (::gethostname(buffer, sizeof buffer - 1) == 0) host = lower(buffer);
  }
  if (!isHostName(host)) host.clear();
  std::vector<std::string> names;
  if (!host.empty()) names.push_back(host);
  HostsFileNames(readSmallFile(s.hostsFile, kMaxHostsFileBytes), host, &names);
  // The names the resolver makes of the host name: under its domain and each search domain.
  if (!host.empty() && host.find('.') == std::string::npos) {
    forEachLine(readSmallFile(s.resolverFile, kMaxResolverFileBytes), [&](const std::vector<std::string_view>& words) {
      if (words[0] != "domain" && words[0] != "search") return;
      for (size_t i = 1; i < words.size(); ++i)
        if (isHostName(words[i])) names.push_back(host + '.' + lower(words[i]));
    });
  }
  return HostNames(std::move(names));
}
}  // namespace dictionary
