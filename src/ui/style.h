#pragma once
// The suite's look over the desktop's own style.

#include <QString>

class QWidget;

namespace ui {
// Wraps the application's style once: push buttons keep a margin of about half a line's
// height on each side of their caption, so no caption runs to the button's edges.
void EnsureSuiteStyle();

// Style-sheet declarations for this widget alone (selected by its objectName, which must be
// set): its children and the tooltips it shows keep the desktop's look.
void SetOwnStyleSheet(QWidget* widget, const QString& declarations);
}  // namespace ui
