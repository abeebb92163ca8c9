#pragma once
// The names that only this machine resolves: its own host name and the names the hosts file
// gives it or a local address.
#include <QString>
#include <optional>

#include "dictionary/core/local_host.h"

namespace dictionary {
// Where the names are read from.
struct MachineNameSources {
  QString hostsFile = QStringLiteral("/etc/hosts");
  QString resolverFile = QStringLiteral("/etc/resolv.conf");
  std::optional<QString> hostName;  // nullopt: gethostname()
};
// The most of the hosts file and the resolver's file that is read (a larger hosts file is read
// up to there).
constexpr qint64 kMaxHostsFileBytes = 8 << 20;
constexpr qint64 kMaxResolverFileBytes = 64 << 10;

// This machine's names, read now: the host name, the host name under the resolver's domain and
// search domains, every name of a hosts-file line that names the host, and every name that the
// hosts file gives a local address (loopback, private, link-local, unspecified). A file that is
// missing, unreadable or not a regular file gives no names.
HostNames MachineNames();
// Tests: other files and host name in place of this machine's (default-constructed: the real ones).
void SetMachineNameSources(const MachineNameSources& sources);

// The names of one hosts file's text as MachineNames reads them, for a machine of the given
// host name (lower case): appended to *names.
void HostsFileNames(std::string_view text, std::string_view hostName, std::vector<std::string>* names);
}  // namespace dictionary
