#pragma once
// The suite's look over the desktop's own style.

namespace ui {
// Wraps the application's style once: push buttons keep a margin of about half a line's
// height on each side of their caption, so no caption runs to the button's edges.
void EnsureSuiteStyle();
}  // namespace ui
