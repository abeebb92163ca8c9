#pragma once
// Which links an update may bring into the dictionary.
#include <QString>
#include <string_view>

#include "dictionary/core/dictionary_db.h"
#include "dictionary/core/local_host.h"

namespace dictionary {
// The longest Key and Link an update row may bring.
constexpr int kMaxKeyLength = 256;
constexpr int kMaxLinkLength = 2048;

// The rule for an update's rows: a row may enter the dictionary when its Link is a web address
// (or the search engine's) that names no host of this machine or its local network (by the
// form of its host, see NamesLocalHost, or as one of this machine's names, see MachineNames), and
// its Key and Link are within their lengths. This machine's names are read once, when the policy
// is made: make one per merge.
class UpdateLinkPolicy {
 public:
  UpdateLinkPolicy();
  bool Accepts(const DictionaryRow& row) const;
  // The same test on a row's Key and Link as the engine gives them (UTF-8).
  bool Accepts(std::string_view key, std::string_view link) const;

 private:
  HostNames machine_;
};

}  // namespace dictionary
