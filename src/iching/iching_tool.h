#pragma once
// The I Ching name luck tool: registers its window with the launcher.
void RegisterIchingTool();
