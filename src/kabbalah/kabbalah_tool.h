#pragma once
// Puts the Kabbalah numerology tool on the launcher's button.
void RegisterKabbalahTool();
