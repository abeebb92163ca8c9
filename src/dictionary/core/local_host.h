#pragma once
// Which hosts belong to this machine or its local network, by the form of their name or address.
// Used by the update merge and by the web view, which links it on its own: Qt Core only.
#include <QString>
#include <QtGlobal>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dictionary {
// Loopback, private, shared (100.64/10), link-local, unspecified (0/8), multicast and broadcast.
bool IsLocalIpv4(quint32 address);
// Loopback, unspecified, link-local, site-local, unique local and multicast, and IPv4 addresses
// inside IPv6 (mapped ::ffff:a.b.c.d, compatible ::a.b.c.d, NAT64 64:ff9b::a.b.c.d) as IPv4.
bool IsLocalIpv6(const unsigned char (&address)[16]);

// Whether a host (ASCII, letters in either case, without brackets or port) names this machine or
// its local network by its form alone: empty or dotless names (localhost, router, wpad), names
// under .localhost, .local, .localdomain, .internal, .lan, .home.arpa, and local addresses in
// every form a browser reads (127.1, 0x7f.0.0.1, 2130706433, ::ffff:127.0.0.1). A host that is
// neither a valid name nor a valid address counts too.
bool IsLocalHostName(std::string_view host);

// Host names of one's own (this machine's), matched in either case and with or without a final dot.
class HostNames {
 public:
  HostNames() = default;
  explicit HostNames(std::vector<std::string> names);
  bool Contains(std::string_view host) const;
  bool empty() const { return names_.empty(); }

 private:
  std::vector<std::string> names_;  // lower case, without a final dot, sorted, unique
};

// Whether an address names a host of this machine or its local network: by its form
// (IsLocalHostName on its host, as the browser reads it), or as one of `own`.
bool NamesLocalHost(const QString& address, const HostNames& own = {});
// The same on the UTF-8 text of the address; `text` is the same address as a QString, parsed only
// where the host is not plain.
bool NamesLocalHostUtf8(std::string_view address, const QString& text, const HostNames& own = {});
}  // namespace dictionary
