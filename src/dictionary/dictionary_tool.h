#pragma once
// The numerology dictionary on the launcher.
void RegisterDictionaryTool();
