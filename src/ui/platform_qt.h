#pragma once
namespace ui {
// Puts the real platform behind the seams: the browser for the "Open" verb.
void InstallRealPlatform();
}
