#pragma once

#include <functional>

namespace pictova::soak {

// Runs the event loop until `condition` holds or `timeoutMs` passes; returns whether it held.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs);
// Runs the event loop for `ms` milliseconds.
void pumpFor(int ms);

} // namespace pictova::soak
