#pragma once
// The I Ching name luck tool: registers its window with the launcher (button 1).
void RegisterIchingTool();
