#include "tool_registry.h"

#include <array>

namespace shell {
namespace {
std::array<std::function<void()>, 6>& tools() {
  static std::array<std::function<void()>, 6> t;
  return t;
}
}  // namespace

void RegisterTool(int index, std::function<void()> showEntryWindow) {
  if (index >= 0 && index < 6) tools()[index] = std::move(showEntryWindow);
}

bool ShowTool(int index) {
  if (index < 0 || index >= 6 || !tools()[index]) return false;
  tools()[index]();
  return true;
}
}  // namespace shell
