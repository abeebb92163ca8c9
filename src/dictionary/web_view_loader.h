#pragma once
// The browser plugin, loaded from the program folder on first use.
#include <QString>

class IWebViewFactory;

namespace dictionary {
// The plugin's file name.
extern const QString kWebViewPluginName;
// The factory of the plugin (loaded now if it is not yet); null when it cannot be loaded,
// with the reason in *error.
IWebViewFactory* WebViewFactory(QString* error = nullptr);
// Tests: where the plugin is looked for (empty: the program folder).
void SetWebViewPluginFolder(const QString& folder);
// Tests: a factory of their own in place of the plugin (null: the plugin).
void SetWebViewFactory(IWebViewFactory* factory);
}  // namespace dictionary
