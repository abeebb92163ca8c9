#pragma once
// Which links an update may bring into the dictionary.
#include <QString>
#include <string_view>

#include "dictionary/core/dictionary_db.h"

namespace dictionary {
// The longest Key and Link an update row may bring.
constexpr int kMaxKeyLength = 256;
constexpr int kMaxLinkLength = 2048;
// Whether an http or https address names a host on this machine or its local network: localhost
// and names under .localhost, .local, .internal and .home.arpa, and the loopback, link-local,
// private and unspecified addresses, in every form a browser reads (127.1, 0x7f.0.0.1, 2130706433,
// [::ffff:127.0.0.1], full-width digits). An address whose host is not a valid one counts too.
bool NamesLocalHost(const QString& address);
// Whether an update row may enter the dictionary: its Link a web address (or the search engine's)
// that names no host of the local network, its Key and Link within their lengths.
bool IsAcceptableUpdateRow(const DictionaryRow& row);
// The same test on a row's Key and Link as the engine gives them (UTF-8).
bool AcceptableUtf8Row(std::string_view key, std::string_view link);
}  // namespace dictionary
