#pragma once
// Asks, at most once every fourteen days, whether to look for a newer version.
void RemindToCheckForUpdate();
