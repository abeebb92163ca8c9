#pragma once
// The launcher's tool buttons: each index shows its tool's entry window.
#include <functional>

namespace shell {
void RegisterTool(int index, std::function<void()> showEntryWindow);
// Shows the tool's entry window; false when no tool is registered at that index.
bool ShowTool(int index);
}  // namespace shell
