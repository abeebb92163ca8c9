#pragma once
// Registers the name and birth numbers window with the launcher.
void RegisterNamebirthTool();
