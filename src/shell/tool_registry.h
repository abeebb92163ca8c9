#pragma once
// The launcher's tool buttons: each tool shows its entry window.
#include <functional>

namespace shell {
// The tools, by the index of their launcher button.
enum class Tool {
  Chinese = 0,     // "Chinese Numerology"
  IChing = 1,      // "IChing Numerology"
  Kabbalah = 2,    // "Kabbalah Numerology"
  Dictionary = 3,  // "Numerology Dictionary"
  Reading = 4,     // "Vidovuzovo Zed Software"
  NameBirth = 5,   // "Numerology Software"
};
constexpr int kToolCount = 6;
constexpr int ToolIndex(Tool tool) { return static_cast<int>(tool); }

void RegisterTool(Tool tool, std::function<void()> showEntryWindow);
// Shows the tool's entry window; false when the tool has not registered one.
bool ShowTool(Tool tool);
}  // namespace shell
