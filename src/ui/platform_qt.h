#pragma once
#include <QUrl>
#include <functional>

namespace ui {
// Puts the real platform behind the seams: the browser for the "Open" verb, which hands it
// web pages only (platform::WebPageUrl).
void InstallRealPlatform();
// Tests: what receives the pages the "Open" verb hands on (empty: the desktop's browser).
void SetDesktopOpener(std::function<void(const QUrl&)> open);
}  // namespace ui
