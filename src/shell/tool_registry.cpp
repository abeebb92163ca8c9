#include "shell/tool_registry.h"

#include <array>

namespace shell {
namespace {
std::array<std::function<void()>, kToolCount>& tools() {
  static std::array<std::function<void()>, kToolCount> t;
  return t;
}
}  // namespace

void RegisterTool(Tool tool, std::function<void()> showEntryWindow) {
  tools().at(ToolIndex(tool)) = std::move(showEntryWindow);
}

bool ShowTool(Tool tool) {
  const auto& show = tools().at(ToolIndex(tool));
  if (!show) return false;
  show();
  return true;
}
}  // namespace shell
