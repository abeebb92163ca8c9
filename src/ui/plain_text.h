#pragma once
// Text from a file, a setting or the user is shown as written, never taken for rich text.
#include <QString>

namespace ui {
// The text as rich text that shows it as written, for a view that takes any text Qt::mightBeRichText
// accepts for rich text (a tool tip): such a text is escaped, any other text is returned as it is.
QString AsWrittenInRichView(const QString& text);

// Installs, once for the application, the guard that keeps every window's text plain:
// - a tool tip (a widget's own, or an item's in a view) shows as written, markup and all;
// - a label of a loaded window left at Qt::AutoText shows plain text from its first polish on.
// A window that means a label's text to be rich text gives that label Qt::RichText.
void KeepShownTextPlain();
}  // namespace ui
