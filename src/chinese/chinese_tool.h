#pragma once
// The Chinese numerology tool on the launcher.
void RegisterChineseTool();
