#pragma once
// Whether the computer has a connection to the internet.
#include <functional>

namespace dictionary {
// Connected when a default route leads out through an interface that is up.
bool ConnectionTest();
// Tests: answer the connection test (an empty function: the real test).
void SetConnectionTest(std::function<bool()> test);
// A default route on an interface that is up and not the loopback.
bool HasDefaultRoute();
}  // namespace dictionary
