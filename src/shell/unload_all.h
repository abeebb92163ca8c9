#pragma once
// Unloads every loaded window, each with its own unload handling, then ends the process.
// Windows that an unload handler shows during the pass do not keep the process alive,
// and a call from an unload handler during the pass has the same result.
void UnloadAllAndEnd();
