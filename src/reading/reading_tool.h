#pragma once
// Registers the numerology reading with the launcher.
void RegisterReadingTool();
