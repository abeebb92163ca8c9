#pragma once
// Whether the computer has a connection to the internet.
#include <functional>

namespace dictionary {
// The system's network state; where it is unknown, whether a default route exists.
bool ConnectionTest();
// Tests: answer the connection test (an empty function: the real test).
void SetConnectionTest(std::function<bool()> test);
// The fallback alone: a default route on an interface that is up.
bool HasDefaultRoute();
}  // namespace dictionary
