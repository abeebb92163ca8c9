#pragma once
// Registers the name and birth numbers window with the launcher (button 5).
void RegisterNamebirthTool();
