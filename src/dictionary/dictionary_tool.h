#pragma once
// The numerology dictionary, the launcher's button 3.
void RegisterDictionaryTool();
