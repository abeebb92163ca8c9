#include "dictionary/core/link_policy.h"

#include "dictionary/core/machine_names.h"
#include "dictionary/core/web_address.h"

namespace dictionary {
UpdateLinkPolicy::UpdateLinkPolicy() : machine_(MachineNames()) {}

bool UpdateLinkPolicy::Accepts(const DictionaryRow& row) const {
  if (row.Key.size() > kMaxKeyLength || row.Link.size() > kMaxLinkLength) return false;
  return row.Link == SearchEngineAddress() || (IsWebAddress(row.Link) && !NamesLocalHost(row.Link, machine_));
}

namespace {
QString utf8Text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
}  // namespace

// A text of at most N bytes has at most N characters, so only a longer Key needs counting.
bool UpdateLinkPolicy::Accepts(std::string_view key, std::string_view link) const {
  if (key.size() > size_t(kMaxKeyLength) && utf8Text(key).size() > kMaxKeyLength) return false;
  const QString address = utf8Text(link);
  if (address.size() > kMaxLinkLength) return false;
  return address == SearchEngineAddress() || (IsWebAddress(address) && !NamesLocalHostUtf8(link, address, machine_));
}

}  // namespace dictionary
